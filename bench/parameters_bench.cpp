// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Times BuildParameterList on texts of the shapes a user may type or paste.
// The "per_unit" counter is the time per code unit of the raw text.

#include <benchmark/benchmark.h>

#include <string>

#include "prototype/parameters.h"

namespace {

// `prefix`, then `piece` over and over up to `units` code units in all.
std::u16string Repeat(std::u16string_view prefix, std::u16string_view piece, std::size_t units,
                      std::u16string_view suffix = {}) {
  std::u16string text(prefix);
  while (text.size() + piece.size() + suffix.size() <= units) text += piece;
  text += piece.substr(0, units - text.size() - suffix.size());
  text += suffix;
  return text;
}

void Run(benchmark::State& state, const std::u16string& text) {
  PrototypeState prototype;
  LoadDefaults(prototype);
  for (auto _ : state) {
    BuildParameterList(prototype, text);
    benchmark::DoNotOptimize(prototype.parameterList.data());
  }
  state.counters["per_unit"] =
      benchmark::Counter(static_cast<double>(text.size()),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void OrdinaryLines(benchmark::State& state) {
  Run(state, Repeat(u"", u"  int a\r\n", static_cast<std::size_t>(state.range(0))));
}
BENCHMARK(OrdinaryLines)->Arg(1000)->Arg(8000)->Arg(32766);

void BareLineBreaks(benchmark::State& state) { Run(state, Repeat(u"", u"\r\n", 32766)); }
BENCHMARK(BareLineBreaks);

void EmptyLinesBetweenWords(benchmark::State& state) { Run(state, Repeat(u"a", u"\r\n", 32766, u"b")); }
BENCHMARK(EmptyLinesBetweenWords);

// One line followed by a long paste of line breaks and spaces: trimmed,
// it is a single parameter.
void MillionUnitsTrimmedToOneLine(benchmark::State& state) {
  Run(state, Repeat(u"int a", u"\r\n ", 1000000));
}
BENCHMARK(MillionUnitsTrimmedToOneLine);

}  // namespace

BENCHMARK_MAIN();
