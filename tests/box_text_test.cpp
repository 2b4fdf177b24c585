// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "prototype/box_text.h"

#include <gtest/gtest.h>

#include "test_text.h"

namespace {

// Both front ends cross this border: a browser's text areas and Qt's boxes
// hold LF, the logic CR LF.
TEST(BoxLineBreaks, ComeInAsOneCrLfEach) {
  const struct {
    const char* name;
    std::u16string box, logic;
  } kCases[] = {
      {"none", u"int a", u"int a"},
      {"lf", u"a\nb\n", u"a\r\nb\r\n"},
      {"crLfStaysOne", u"a\r\nb", u"a\r\nb"},
      {"loneCr", u"a\rb", u"a\r\nb"},
      {"crCr", u"a\r\rb", u"a\r\n\r\nb"},
      {"lfCr", u"a\n\rb", u"a\r\n\r\nb"},
      {"separators", u"a\u2028b\u2029c", u"a\r\nb\r\nc"},
      {"nulTabNbspStay", std::u16string(u"\0\t\u00A0", 3), std::u16string(u"\0\t\u00A0", 3)},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FromBoxLineBreaks(c.box), c.logic);
  }
}

TEST(BoxLineBreaks, GoOutAsLf) {
  const struct {
    const char* name;
    std::u16string logic, box;
  } kCases[] = {
      {"declaration", u"public:\r\n   void toto(void) ;", u"public:\n   void toto(void) ;"},
      {"twoBreaks", u"a\r\n\r\nb", u"a\n\nb"},
      {"crCrLf", u"a\r\r\nb", u"a\r\nb"},
      {"trailingCr", u"a\r", u"a\r"},
      {"surrogatePair", u"f\U0001F600", u"f\U0001F600"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToBoxLineBreaks(c.logic), c.box);
  }
}

}  // namespace
