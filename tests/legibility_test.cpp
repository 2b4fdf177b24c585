// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "prototype/legibility.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;
constexpr Colour kDarkGrey = 0x242424;  // a dark page
constexpr Colour kDarkBase = 0x1E1E1E;  // a dark theme's text box

TEST(ContrastRatio, IsWcags) {
  const struct {
    const char* name;
    Colour a, b;
    double ratio;
  } kCases[] = {
      {"blackOnWhite", kBlack, kWhite, 21.0},
      {"whiteOnBlack", kWhite, kBlack, 21.0},
      {"same", kGreen, kGreen, 1.0},
      {"greenOnWhite", kGreen, kWhite, 5.14},
      {"orangeOnWhite", kOrange, kWhite, 2.52},
      {"redOnWhite", kRed, kWhite, 6.48},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_NEAR(ContrastRatio(c.a, c.b), c.ratio, 0.005);
  }
}

double Hue(Colour colour) {
  const double r = (colour & 0xFF) / 255.0, g = ((colour >> 8) & 0xFF) / 255.0,
               b = ((colour >> 16) & 0xFF) / 255.0;
  return std::atan2(std::sqrt(3.0) * (g - b), 2 * r - g - b) * 180 / std::acos(-1.0);
}

// Each designed colour reaches its contrast, light or dark, keeps its hue
// within a degree, and goes no further than it must: one step of 8 bits back
// towards the designed colour would fall short.
TEST(LegibleColour, ReachesItsContrastAndNoFurther) {
  const struct {
    const char* name;
    Colour designed, background;
    double contrast;
    bool unchanged;
  } kCases[] = {
      {"greenOnWhiteAsDesigned", kGreen, kWhite, 4.5, true},
      {"orangeOnWhiteDarkened", kOrange, kWhite, 4.5, false},
      {"orangeLegendOnWhite", kOrange, kWhite, 3.0, false},
      {"greenOnDarkLightened", kGreen, kDarkGrey, 4.5, false},
      {"redOnDarkBase", kRed, kDarkBase, 4.5, false},
      {"darkBlueCaptionOnDark", kDarkBlue, kDarkGrey, 3.0, false},
      {"orangeOnDarkAsDesigned", kOrange, kDarkGrey, 4.5, true},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    const Colour shown = LegibleColour(c.designed, c.background, c.contrast);
    EXPECT_GE(ContrastRatio(shown, c.background), c.contrast);
    EXPECT_EQ(shown == c.designed, c.unchanged);
    EXPECT_NEAR(Hue(shown), Hue(c.designed), 1.0);
    if (!c.unchanged) {
      EXPECT_LT(ContrastRatio(shown, c.background), c.contrast + 0.15);
    }
  }
}

TEST(LegibleColour, EndsAtWhiteOrBlackWhenNothingIsEnough) {
  EXPECT_EQ(LegibleColour(kDarkBlue, kDarkGrey, 20.0), kWhite);
  EXPECT_EQ(LegibleColour(kOrange, 0x808080, 20.0), kBlack);  // mid grey takes dark text
}

TEST(LegibleTowards, MovesToTheInkJustEnough) {
  EXPECT_EQ(LegibleTowards(kBlack, kWhite, kWhite, 3.0), kBlack);  // already legible
  const Colour outline = LegibleTowards(kDarkGrey, kWhite, kDarkGrey, 3.0);
  EXPECT_GE(ContrastRatio(outline, kDarkGrey), 3.0);
  EXPECT_LT(ContrastRatio(outline, kDarkGrey), 3.15);
}

}  // namespace
