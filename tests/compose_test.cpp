// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "prototype/prototype_state.h"
#include "test_text.h"

namespace {

PrototypeState StartState() {
  PrototypeState state;
  LoadDefaults(state);
  return state;
}

std::u16string SecondLine(const std::u16string& text) {
  const auto lineBreak = text.find(u"\r\n");
  return lineBreak == std::u16string::npos ? std::u16string() : text.substr(lineBreak + 2);
}

TEST(ComposePrototype, StartStateGivesTwoLines) {
  EXPECT_EQ(ComposePrototype(StartState()), u"public:\r\n   void toto(void) ;");
}

TEST(ComposePrototype, LoadDefaultsOverwritesEveryField) {
  PrototypeState state{u"private:", u" = 0 ", u"virtual ", u"const ", u"int a", u"f", u"int", u"inline "};
  LoadDefaults(state);
  EXPECT_EQ(ComposePrototype(state), ComposePrototype(StartState()));
}

TEST(ComposePrototype, FragmentsAndUserTextStandVerbatim) {
  using Change = void (*)(PrototypeState&);
  const struct {
    const char* name;
    Change change;
    std::u16string line2;
  } kCases[] = {
      {"const", [](PrototypeState& s) { s.constSuffix = u"const "; }, u"   void toto(void) const ;"},
      // The pure marker brings its own leading space after ") ".
      {"pure", [](PrototypeState& s) { s.pureSuffix = u" = 0 "; }, u"   void toto(void)  = 0 ;"},
      {"constAndPure",
       [](PrototypeState& s) {
         s.constSuffix = u"const ";
         s.pureSuffix = u" = 0 ";
       },
       u"   void toto(void) const  = 0 ;"},
      {"inlineBeforeVirtual",
       [](PrototypeState& s) {
         s.virtualPrefix = u"virtual ";
         s.inlinePrefix = u"inline ";
       },
       u"   inline virtual void toto(void) ;"},
      {"everything",
       [](PrototypeState& s) {
         s = {u"public:", u" = 0 ", u"virtual ", u"const ", u"int a", u"f", u"int", u"inline "};
       },
       u"   inline virtual int f(int a) const  = 0 ;"},
      // Three spaces of indent, then the space between type and name.
      {"emptyNameAndType",
       [](PrototypeState& s) {
         s.functionName.clear();
         s.returnType.clear();
       },
       u"    (void) ;"},
      {"spacesAroundName", [](PrototypeState& s) { s.functionName = u" f "; }, u"   void  f (void) ;"},
      {"trailingSpacesInType", [](PrototypeState& s) { s.returnType = u"int  "; }, u"   int   toto(void) ;"},
      {"surrogatePairName", [](PrototypeState& s) { s.functionName = u"f\U0001F600"; },
       u"   void f\U0001F600(void) ;"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    PrototypeState state = StartState();
    c.change(state);
    EXPECT_EQ(SecondLine(ComposePrototype(state)), c.line2);
  }
}

TEST(ComposePrototype, AccessStandsAloneOnTheFirstLine) {
  PrototypeState state = StartState();
  state.access = u"protected:";
  EXPECT_EQ(ComposePrototype(state), u"protected:\r\n   void toto(void) ;");
}

TEST(AccessColor, MatchesTheLegendOfEachPosition) {
  const struct {
    std::u16string access;
    Colour colour;
  } kCases[] = {
      {u"public:", 32768},
      {u"protected:", 33023},
      {u"private:", 192},
      // Compared exactly: any other spelling falls back to green.
      {u"Private:", 32768},
      {u"private", 32768},
      {u"", 32768},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AccessColor(c.access), c.colour);
  }
}

}  // namespace
