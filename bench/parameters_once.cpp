// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Builds one parameter text and normalises it once, for instruction counts
// under callgrind (bench/instructions), which counts BuildParameterList
// alone.
//   parameters_once breaks|lines UNITS

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "prototype/parameters.h"

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::cerr << "usage: parameters_once breaks|lines UNITS\n";
    return 2;
  }
  const bool breaks = std::strcmp(argv[1], "breaks") == 0;
  const std::size_t units = std::strtoul(argv[2], nullptr, 10);
  const std::u16string_view piece = breaks ? u"\r\n" : u"int a\r\n";
  std::u16string text;
  text.reserve(units);
  while (text.size() + piece.size() <= units) text += piece;
  text.append(units - text.size(), u' ');

  PrototypeState state;
  LoadDefaults(state);
  try {
    BuildParameterList(state, text);
  } catch (const OverflowError&) {
    // A long text may be refused: the count still covers the whole scan.
  }
  std::cout << state.parameterList.size() << '\n';
  return 0;
}
