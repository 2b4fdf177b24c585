// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "prototype/rules.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "test_text.h"

namespace {

// Boxes that report nothing when the rule sets one.
class PlainBoxes : public QualifierBoxes {
 public:
  explicit PlainBoxes(std::array<int, 4> values) : values_(values) {}
  int Value(QualifierBox box) const override { return values_[box]; }
  void SetValue(QualifierBox box, int value) override { values_[box] = value; }
  bool ReportsChanges() const override { return false; }

 protected:
  std::array<int, 4> values_;
};

// Boxes that, like a toolkit raising a click on every change of value, run
// the whole click handling again at once, nested, and show its output.
class ReportingBoxes : public PlainBoxes {
 public:
  ReportingBoxes(std::array<int, 4> values, PrototypeState& state) : PlainBoxes(values), state_(state) {}
  void SetValue(QualifierBox box, int value) override {
    if (values_[box] == value) return;
    values_[box] = value;
    ApplyQualifiers(state_, *this);
    shown.push_back(ComposePrototype(state_));
  }
  bool ReportsChanges() const override { return true; }

  std::vector<std::u16string> shown;

 private:
  PrototypeState& state_;
};

PrototypeState StartState() {
  PrototypeState state;
  LoadDefaults(state);
  return state;
}

struct QualifierCase {
  const char* name;
  std::array<int, 4> before;
  std::array<int, 4> after;  // the boxes once the rule has run
  std::u16string inlinePrefix, virtualPrefix, pureSuffix, constSuffix;
};

const QualifierCase kQualifierCases[] = {
    {"none", {0, 0, 0, 0}, {0, 0, 0, 0}, u"", u"", u"", u""},
    {"inline", {1, 0, 0, 0}, {1, 0, 0, 0}, u"inline ", u"", u"", u""},
    {"virtual", {0, 1, 0, 0}, {0, 1, 0, 0}, u"", u"virtual ", u"", u""},
    // "pure virtual" alone ticks "virtual" too.
    {"pureAlone", {0, 0, 1, 0}, {0, 1, 1, 0}, u"", u"virtual ", u" = 0 ", u""},
    {"pureWithVirtual", {0, 1, 1, 0}, {0, 1, 1, 0}, u"", u"virtual ", u" = 0 ", u""},
    {"const", {0, 0, 0, 1}, {0, 0, 0, 1}, u"", u"", u"", u"const "},
    {"inlineAndVirtual", {1, 1, 0, 0}, {1, 1, 0, 0}, u"inline ", u"virtual ", u"", u""},
    {"all", {1, 1, 1, 1}, {1, 1, 1, 1}, u"inline ", u"virtual ", u" = 0 ", u"const "},
    {"allButVirtual", {1, 0, 1, 1}, {1, 1, 1, 1}, u"inline ", u"virtual ", u" = 0 ", u"const "},
    // A greyed box (2) counts as set.
    {"greyedConst", {0, 0, 0, 2}, {0, 0, 0, 2}, u"", u"", u"", u"const "},
    {"greyedPure", {0, 0, 2, 0}, {0, 1, 2, 0}, u"", u"virtual ", u" = 0 ", u""},
};

void ExpectFragments(const PrototypeState& state, const QualifierCase& c) {
  EXPECT_EQ(state.inlinePrefix, c.inlinePrefix);
  EXPECT_EQ(state.virtualPrefix, c.virtualPrefix);
  EXPECT_EQ(state.pureSuffix, c.pureSuffix);
  EXPECT_EQ(state.constSuffix, c.constSuffix);
}

TEST(ApplyQualifiers, PlainBoxesGiveTheFragmentsOfTheBoxes) {
  for (const auto& c : kQualifierCases) {
    SCOPED_TRACE(c.name);
    PrototypeState state = StartState();
    PlainBoxes boxes(c.before);
    ApplyQualifiers(state, boxes);
    ExpectFragments(state, c);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(boxes.Value(QualifierBox(k)), c.after[k]) << "box " << k;
  }
}

TEST(ApplyQualifiers, ReportingBoxesEndInTheSameState) {
  for (const auto& c : kQualifierCases) {
    SCOPED_TRACE(c.name);
    PrototypeState state = StartState();
    ReportingBoxes boxes(c.before, state);
    ApplyQualifiers(state, boxes);
    ExpectFragments(state, c);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(boxes.Value(QualifierBox(k)), c.after[k]) << "box " << k;
    // A nested run happens only when "virtual" had to be ticked, and it
    // shows what the outer run ends with.
    EXPECT_EQ(boxes.shown.size(), c.before[kVirtualBox] != c.after[kVirtualBox] ? 1u : 0u);
    for (const auto& shown : boxes.shown) EXPECT_EQ(shown, ComposePrototype(state));
  }
}

TEST(ApplyQualifiers, PureVirtualFromStartGivesTheVirtualDeclaration) {
  PrototypeState state = StartState();
  PlainBoxes boxes({0, 0, 1, 0});
  ApplyQualifiers(state, boxes);
  EXPECT_EQ(ComposePrototype(state), u"public:\r\n   virtual void toto(void)  = 0 ;");
}

TEST(ApplyQualifiers, ClearingPureVirtualKeepsVirtual) {
  PrototypeState state = StartState();
  PlainBoxes boxes({0, 0, 1, 0});
  ApplyQualifiers(state, boxes);
  boxes.SetValue(kPureBox, 0);
  ApplyQualifiers(state, boxes);
  EXPECT_EQ(state.virtualPrefix, u"virtual ");
  EXPECT_EQ(state.pureSuffix, u"");
}

TEST(AccessFromSlider, MapsPositionsToLabels) {
  const struct {
    int value;
    std::u16string access;
  } kCases[] = {
      {1, u"public:"},
      {2, u"protected:"},
      {3, u"private:"},
      // Values the slider never gives fall to the last label.
      {0, u"private:"},
      {4, u"private:"},
      {-1, u"private:"},
  };
  for (const auto& c : kCases) EXPECT_EQ(AccessFromSlider(c.value), c.access) << c.value;
}

}  // namespace
