// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "prototype/parameters.h"

#include <gtest/gtest.h>

#include <random>

#include "literal_parameter_list.h"
#include "test_text.h"

namespace {

std::u16string ParameterListOf(std::u16string_view text) {
  PrototypeState state;
  LoadDefaults(state);
  BuildParameterList(state, text);
  return state.parameterList;
}

TEST(Trim, RemovesSpacesOnly) {
  const struct {
    std::u16string text, trimmed;
  } kCases[] = {
      {u"", u""},           {u"   ", u""},
      {u"  a b  ", u"a b"}, {u"\ta\t", u"\ta\t"},
      {u" \r\n ", u"\r\n"}, {u"\u00a0a\u00a0", u"\u00a0a\u00a0"},  // no-break spaces are not spaces
  };
  for (const auto& c : kCases) EXPECT_EQ(Trim(c.text), c.trimmed);
}

TEST(BuildParameterList, NormalisesLineByLine) {
  const struct {
    const char* name;
    std::u16string text, list;
  } kCases[] = {
      {"startText", u"void\r\n", u"void"},
      {"empty", u"", u"void"},
      {"spacesOnly", u"     ", u"void"},
      {"breaksAndSpaces", u"\r\n   \r\n", u"void"},
      {"trailingEmptyLines", u"int a\r\n  char * b  \r\n\r\n", u"int a, char * b"},
      {"singleLine", u"  double x ", u"double x"},
      {"emptyMiddleLine", u"a\r\n\r\nb", u"a, , b"},
      {"blankMiddleLine", u"a\r\n   \r\nb", u"a, , b"},
      {"tabsStay", u"\tint a\t\r\nb", u"\tint a\t, b"},
      {"leadingBreak", u"\r\na", u", a"},
      {"leadingSpacesThenBreak", u"   \r\na", u", a"},
      {"innerSpacesStay", u"char  *  b", u"char  *  b"},
      {"loneLfStaysInLine", u"a\nb\r\nc", u"a\nb, c"},
      {"trailingLoneLf", u"a\n  \n", u"a"},
      // A CR without LF (pasted text) ends its line by itself.
      {"loneCr", u"a\rb", u"a, b"},
      {"twoLoneCrs", u"a\r\rb", u"a, , b"},
      {"crLfLf", u"a\r\n\nb", u"a, \nb"},
      {"surrogatePair", u"\U0001F600 x\r\ny", u"\U0001F600 x, y"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ParameterListOf(c.text), c.list);
  }
}

TEST(BuildParameterList, ValidatingTwiceGivesTheSameList) {
  PrototypeState state;
  LoadDefaults(state);
  BuildParameterList(state, u"int a\r\nint b");
  BuildParameterList(state, u"int a\r\nint b");
  EXPECT_EQ(state.parameterList, u"int a, int b");
}

TEST(BuildParameterList, OverflowsFromTheFirstLengthTheScanCannotCount) {
  const struct {
    const char* name;
    std::u16string text;
    bool overflows;
  } kCases[] = {
      {"longestScan", std::u16string(32766, u'x'), false},
      {"firstTooLong", std::u16string(32767, u'x'), true},
      {"linesAtLimit", std::u16string(16383 - 1, u'x') + u"\r\n" + std::u16string(16382, u'y'), false},
      // Only what is left after trimming counts, however long the raw text.
      {"paddedRaw", std::u16string(50000, u' ') + std::u16string(32766, u'x') + std::u16string(50000, u' '),
       false},
      {"trailingBreaks",
       std::u16string(32766, u'x') +
           [] {
             std::u16string breaks;
             for (int i = 0; i < 40000; ++i) breaks += u"\r\n ";
             return breaks;
           }(),
       false},
      {"leadingBreakCounts", u"\r\n" + std::u16string(32765, u'x'), true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    if (c.overflows) {
      EXPECT_THROW(ParameterListOf(c.text), OverflowError);
    } else {
      EXPECT_NO_THROW(ParameterListOf(c.text));
    }
  }
}

TEST(BuildParameterList, OverflowLeavesTheStateUntouched) {
  PrototypeState state;
  LoadDefaults(state);
  BuildParameterList(state, u"int a");
  const PrototypeState before = state;
  EXPECT_THROW(BuildParameterList(state, std::u16string(1000000, u'x')), OverflowError);
  EXPECT_EQ(state.parameterList, before.parameterList);
  EXPECT_EQ(ComposePrototype(state), ComposePrototype(before));
}

TEST(BuildParameterList, OverflowMessageNamesAnOverflow) {
  try {
    ParameterListOf(std::u16string(40000, u'x'));
    FAIL() << "no overflow";
  } catch (const OverflowError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("Dépassement de capacité"), std::string::npos);
    // Counts are written the French way, thousands apart by a narrow no-break space.
    EXPECT_NE(message.find("40\u202F000 caractères, 32\u202F766 au plus"), std::string::npos) << message;
  }
}

// Random texts over the characters that matter, every CR followed by LF,
// against the step-by-step rendering.
TEST(BuildParameterList, AgreesWithTheLiteralAlgorithm) {
  const char16_t kAlphabet[] = {u' ', u' ', u'a', u'b', u'\t', u'\n', u'\r', u'\u00a0'};
  std::mt19937 random(20261208);
  for (int round = 0; round < 5000; ++round) {
    std::u16string text;
    const int length = static_cast<int>(random() % 24);
    for (int i = 0; i < length; ++i) {
      const char16_t c = kAlphabet[random() % std::size(kAlphabet)];
      text += c;
      if (c == u'\r') text += u'\n';
    }
    SCOPED_TRACE(testing::PrintToString(text));
    ASSERT_EQ(ParameterListOf(text), literal::ParameterList(text));
  }
}

}  // namespace
