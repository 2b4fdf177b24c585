// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "prototype_state.h"

// The parameter scan counts with 16-bit signed integers: the longest text it
// accepts (once trimmed) has this many code units; one more overflows.
inline constexpr std::size_t kLongestParameterText = 32766;

// Raised when the parameter text is too long for the scan.
class OverflowError : public std::overflow_error {
 public:
  explicit OverflowError(std::size_t length);
};

// Trim()
//
// `text` without its leading and trailing spaces (code 32). Tabs, line
// breaks and every other character stay: Trim(u" \ta ") is u"\ta".
std::u16string_view Trim(std::u16string_view text);

// BuildParameterList()
//
// Replaces `state.parameterList` with `text` (one parameter per line, lines
// ended by CR LF) trimmed line by line and joined with ", ":
// u"int a\r\n  char * b  \r\n\r\n" gives u"int a, char * b"; an empty or
// blank text gives u"void". A CR not followed by LF ends its line too.
// Throws OverflowError, leaving `state` untouched, when the text without its
// leading spaces and trailing spaces and line breaks is longer than
// kLongestParameterText.
void BuildParameterList(PrototypeState& state, std::u16string_view text);
