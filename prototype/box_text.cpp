// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "box_text.h"

#include "prototype_state.h"

namespace {

bool IsBoxLineBreak(char16_t c) {
  return c == kLineFeed || c == kCarriageReturn || c == u'\u2028' || c == u'\u2029';
}

}  // namespace

std::u16string FromBoxLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsBoxLineBreak(text[i])) {
      out += text[i];
      continue;
    }
    if (text[i] == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) ++i;
    out += kLineBreak;
  }
  return out;
}

std::u16string ToBoxLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) continue;
    out += text[i];
  }
  return out;
}
