// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// A deliberately literal, slow rendering of the parameter normalisation,
// step by step with 1-based positions and 16-bit counters, used to check the
// real one. It is valid only for text in which every CR is followed by LF.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace literal {

struct Overflow : std::runtime_error {
  Overflow() : std::runtime_error("overflow") {}
};

inline std::int16_t Checked(long value) {
  if (value > 32767) throw Overflow();
  return static_cast<std::int16_t>(value);
}

inline std::u16string Trim(const std::u16string& t) {
  std::size_t a = 0;
  std::size_t b = t.size();
  while (a < b && t[a] == u' ') ++a;
  while (b > a && t[b - 1] == u' ') --b;
  return t.substr(a, b - a);
}

inline std::u16string Mid(const std::u16string& t, long p, long k) {
  if (k < 0) throw std::invalid_argument("Mid");
  if (p > static_cast<long>(t.size())) return {};
  return t.substr(static_cast<std::size_t>(p - 1), static_cast<std::size_t>(k));
}

// The text the scan counts: trimmed, then each trailing line break dropped
// and the spaces before it with it. Popping from the back gives the same
// text as trimming again after each break, without copying it each time.
inline std::u16string ScanText(const std::u16string& text) {
  std::u16string s = Trim(text);
  while (!s.empty() && (s.back() == u'\n' || s.back() == u'\r')) {
    s.pop_back();
    while (!s.empty() && s.back() == u' ') s.pop_back();
  }
  return s;
}

inline std::u16string ParameterList(const std::u16string& text) {
  const std::u16string s = ScanText(text);
  if (s.empty()) return u"void";
  std::u16string list;
  std::int16_t start = 1;
  const std::int16_t n = Checked(static_cast<long>(s.size()));
  std::int16_t i = 1;
  for (; i <= n; i = Checked(i + 1L)) {
    if (s[static_cast<std::size_t>(i - 1)] == u'\r') {
      list += Trim(Mid(s, start, i - start)) + u", ";
      start = Checked(i + 2L);
    }
  }
  list += Trim(Mid(s, start, i - start));
  return list;
}

}  // namespace literal
