// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "parameters.h"

#include <string>

namespace {

constexpr char16_t kSpace = u' ';

bool IsSpaceOrLineBreak(char16_t c) { return c == kSpace || c == kCarriageReturn || c == kLineFeed; }

// The text the scan works on: leading spaces go, and so does every trailing
// run of spaces and line breaks (empty lines at the end add nothing).
std::u16string_view ScanText(std::u16string_view text) {
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::u16string_view::npos) return {};
  auto last = text.size();
  while (last > first && IsSpaceOrLineBreak(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::u16string JoinTrimmedLines(std::u16string_view text) {
  std::u16string list;
  list.reserve(text.size());
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != kCarriageReturn) continue;
    list += Trim(text.substr(lineStart, i - lineStart));
    list += u", ";
    if (i + 1 < text.size() && text[i + 1] == kLineFeed) ++i;
    lineStart = i + 1;
  }
  list += Trim(text.substr(lineStart));
  return list;
}

// A count as French writes it, in UTF-8: thousands apart by a narrow
// no-break space, as in "32 766".
std::string FrenchCount(std::size_t count) {
  const std::string digits = std::to_string(count);
  std::string text;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) text += "\u202F";
    text += digits[i];
  }
  return text;
}

}  // namespace

OverflowError::OverflowError(std::size_t length)
    : std::overflow_error("Dépassement de capacité\u00A0: le texte des paramètres compte " +
                          FrenchCount(length) + " caractères, " + FrenchCount(kLongestParameterText) +
                          " au plus.") {}

std::u16string_view Trim(std::u16string_view text) {
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::u16string_view::npos) return {};
  const auto last = text.find_last_not_of(kSpace);
  return text.substr(first, last - first + 1);
}

void BuildParameterList(PrototypeState& state, std::u16string_view text) {
  const auto scanned = ScanText(text);
  if (scanned.size() > kLongestParameterText) {
    throw OverflowError(scanned.size());
  }
  state.parameterList = scanned.empty() ? std::u16string(u"void") : JoinTrimmedLines(scanned);
}
