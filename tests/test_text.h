// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <ostream>
#include <string>

// Shows UTF-16 strings readably in failure messages (ASCII as is, the rest
// as \uXXXX).
inline void PrintTo(const std::u16string& text, std::ostream* out) {
  *out << '"';
  for (const char16_t c : text) {
    if (c >= 0x20 && c < 0x7F) {
      *out << static_cast<char>(c);
    } else {
      constexpr char kHex[] = "0123456789abcdef";
      *out << "\\u" << kHex[(c >> 12) & 0xF] << kHex[(c >> 8) & 0xF] << kHex[(c >> 4) & 0xF] << kHex[c & 0xF];
    }
  }
  *out << '"';
}
