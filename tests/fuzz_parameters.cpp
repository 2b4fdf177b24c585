// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// libFuzzer target over the parameter normalisation and the composition.
//
// Input: the first byte picks a size mode, the rest is UTF-16LE text. Mode
// byte 0xFF repeats the text to 32,767 code units, one more than the longest
// scan the normalisation accepts, so that small inputs reach the overflow
// (the unit tests pin the last length that passes).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "literal_parameter_list.h"
#include "prototype/parameters.h"

namespace {

constexpr std::size_t kLiteralCheckUnits = 4096;

void Require(bool condition) {
  if (!condition) std::abort();
}

// memcmp rather than ==: the fuzzer instruments every comparison of the
// character-by-character loop of ==, which would dominate each run.
bool Same(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

std::u16string TextOf(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 1; i + 1 < size; i += 2) {
    text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
  }
  return text;
}

std::u16string ParameterTextOf(const std::uint8_t* data, std::size_t size) {
  std::u16string text = TextOf(data, size);
  if (size > 0 && data[0] == 0xFF && !text.empty()) {
    const std::size_t target = kLongestParameterText + 1;
    while (text.size() < target) text += std::u16string_view(text).substr(0, target - text.size());
  }
  return text;
}

bool EveryCrHasItsLf(const std::u16string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n')) return false;
  }
  return true;
}

void CheckParameters(const std::u16string& text) {
  PrototypeState state;
  LoadDefaults(state);
  state.parameterList = u"int a";
  const bool tooLong = literal::ScanText(text).size() > kLongestParameterText;
  try {
    BuildParameterList(state, text);
  } catch (const OverflowError&) {
    Require(tooLong);
    Require(Same(state.parameterList, u"int a"));
    return;
  }
  Require(!tooLong);
  Require(state.parameterList.find(u'\r') == std::u16string::npos);
  // The literal rendering is slow; small texts cover every branch of it.
  if (text.size() <= kLiteralCheckUnits && EveryCrHasItsLf(text))
    Require(Same(state.parameterList, literal::ParameterList(text)));
}

void CheckComposition(const std::u16string& text) {
  PrototypeState state;
  LoadDefaults(state);
  state.functionName = text;
  state.returnType = text;
  const std::u16string composed = ComposePrototype(state);
  const std::u16string expected = u"public:\r\n   " + text + u" " + text + u"(void) ;";
  Require(Same(composed, expected));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckParameters(ParameterTextOf(data, size));
  CheckComposition(TextOf(data, size));
  return 0;
}
