// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <string>

// The eight strings from which the declaration is built. Each qualifier field
// holds either its literal fragment (which carries its own spaces) or the
// empty string, so composing the output is plain concatenation.
struct PrototypeState {
  std::u16string access;         // "public:", "protected:" or "private:"
  std::u16string pureSuffix;     // " = 0 " or empty
  std::u16string virtualPrefix;  // "virtual " or empty
  std::u16string constSuffix;    // "const " or empty
  std::u16string parameterList;  // parameters joined with ", "
  std::u16string functionName;   // verbatim from the name box
  std::u16string returnType;     // verbatim from the return-type box
  std::u16string inlinePrefix;   // "inline " or empty
};

// A colour as 0x00BBGGRR: red in the low byte.
using Colour = std::uint32_t;

inline constexpr Colour kGreen = 0x008000;
inline constexpr Colour kOrange = 0x0080FF;
inline constexpr Colour kRed = 0x0000C0;
inline constexpr Colour kDarkBlue = 0xC00000;

inline constexpr char16_t kCarriageReturn = u'\r';
inline constexpr char16_t kLineFeed = u'\n';
inline constexpr std::u16string_view kLineBreak = u"\r\n";

// LoadDefaults()
//
// Sets every field of `state` to its start value, matching the controls'
// start contents: access "public:", name "toto", return type and
// parameters "void", every qualifier fragment empty.
void LoadDefaults(PrototypeState& state);

// ComposePrototype()
//
// Builds the two output lines from `state`. Changes nothing.
// Start values give "public:" CR LF "   void toto(void) ;".
std::u16string ComposePrototype(const PrototypeState& state);

// AccessColor()
//
// The output colour for an access label, compared exactly:
// "private:" is red, "protected:" orange, anything else green.
Colour AccessColor(std::u16string_view access);
