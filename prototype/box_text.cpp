// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "box_text.h"

#include "prototype_state.h"

namespace {

bool IsBoxLineBreak(char16_t c) {
  return c == kLineFeed || c == kCarriageReturn || c == u'\u2028' || c == u'\u2029';
}

}  // namespace

// Both copy the text between line breaks a run at a time: a pasted name of
// 200,000 characters crosses the border at every keystroke.
std::u16string FromBoxLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsBoxLineBreak(text[i])) continue;
    out.append(text.substr(runStart, i - runStart));
    out.append(kLineBreak);
    if (text[i] == kCarriageReturn && i + 1 < text.size() && text[i + 1] == kLineFeed) ++i;
    runStart = i + 1;
  }
  out.append(text.substr(runStart));
  return out;
}

std::u16string ToBoxLineBreaks(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t runStart = 0;
  for (auto lineBreak = text.find(kLineBreak); lineBreak != std::u16string_view::npos;
       lineBreak = text.find(kLineBreak, runStart)) {
    out.append(text.substr(runStart, lineBreak - runStart));
    out += kLineFeed;
    runStart = lineBreak + kLineBreak.size();
  }
  out.append(text.substr(runStart));
  return out;
}
