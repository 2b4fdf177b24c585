// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "legibility.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;

// A colour's channels as fractions of full intensity.
struct Rgb {
  double red, green, blue;
};

Rgb Channels(Colour colour) {
  return {(colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0, ((colour >> 16) & 0xFF) / 255.0};
}

// Rounded to the 8 bits a channel shows on screen.
Colour FromChannels(const Rgb& rgb) {
  const auto byte = [](double channel) {
    return static_cast<Colour>(std::lround(std::clamp(channel, 0.0, 1.0) * 255));
  };
  return byte(rgb.red) | byte(rgb.green) << 8 | byte(rgb.blue) << 16;
}

// Hue (in turns, 0 to 1), saturation and lightness.
struct Hsl {
  double hue, saturation, lightness;
};

Hsl ToHsl(Colour colour) {
  const Rgb rgb = Channels(colour);
  const double high = std::max({rgb.red, rgb.green, rgb.blue});
  const double low = std::min({rgb.red, rgb.green, rgb.blue});
  const double lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma == 0) return {0, 0, lightness};
  const double saturation = chroma / (1 - std::abs(2 * lightness - 1));
  double sextant;
  if (high == rgb.red) {
    sextant = std::fmod((rgb.green - rgb.blue) / chroma + 6, 6);
  } else if (high == rgb.green) {
    sextant = (rgb.blue - rgb.red) / chroma + 2;
  } else {
    sextant = (rgb.red - rgb.green) / chroma + 4;
  }
  return {sextant / 6, saturation, lightness};
}

Colour FromHsl(const Hsl& hsl) {
  const double chroma = (1 - std::abs(2 * hsl.lightness - 1)) * hsl.saturation;
  const double sextant = hsl.hue * 6;
  const double second = chroma * (1 - std::abs(std::fmod(sextant, 2) - 1));
  const double base = hsl.lightness - chroma / 2;
  const Rgb sextants[] = {{chroma, second, 0}, {second, chroma, 0}, {0, chroma, second},
                          {0, second, chroma}, {second, 0, chroma}, {chroma, 0, second}};
  const Rgb& rgb = sextants[std::clamp(static_cast<int>(sextant), 0, 5)];
  return FromChannels({rgb.red + base, rgb.green + base, rgb.blue + base});
}

// The first colour along `path`, from path(start) to path(1), that reaches
// `minimumContrast` over `background`, contrast growing along the path;
// path(1) when none does. Halves the interval 16 times.
template <class Path>
Colour FirstLegible(const Path& path, double start, Colour background, double minimumContrast) {
  double tooFaint = start;
  double legible = 1.0;
  for (int step = 0; step < 16; ++step) {
    const double middle = (tooFaint + legible) / 2;
    (ContrastRatio(path(middle), background) >= minimumContrast ? legible : tooFaint) = middle;
  }
  return path(legible);
}

}  // namespace

double RelativeLuminance(Colour colour) {
  const auto linear = [](double intensity) {
    return intensity <= 0.04045 ? intensity / 12.92 : std::pow((intensity + 0.055) / 1.055, 2.4);
  };
  const Rgb rgb = Channels(colour);
  return 0.2126 * linear(rgb.red) + 0.7152 * linear(rgb.green) + 0.0722 * linear(rgb.blue);
}

double ContrastRatio(Colour a, Colour b) {
  const double first = RelativeLuminance(a);
  const double second = RelativeLuminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool IsDarkBackground(Colour background) {
  return ContrastRatio(kWhite, background) > ContrastRatio(kBlack, background);
}

Colour LegibleColour(Colour designed, Colour background, double minimumContrast) {
  if (ContrastRatio(designed, background) >= minimumContrast) return designed;
  // Lightness moves luminance steadily at a fixed hue and saturation: along
  // 0 to 1, from the designed lightness to white's or black's.
  const Hsl hsl = ToHsl(designed);
  const double target = IsDarkBackground(background) ? 1.0 : 0.0;
  const auto withLightness = [&hsl, target](double along) {
    return FromHsl({hsl.hue, hsl.saturation, hsl.lightness + (target - hsl.lightness) * along});
  };
  return FirstLegible(withLightness, 0.0, background, minimumContrast);
}

Colour LegibleTowards(Colour start, Colour ink, Colour background, double minimumContrast) {
  if (ContrastRatio(start, background) >= minimumContrast) return start;
  const Rgb from = Channels(start);
  const Rgb to = Channels(ink);
  const auto towardsInk = [&from, &to](double along) {
    const auto channel = [along](double a, double b) { return a + (b - a) * along; };
    return FromChannels(
        {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)});
  };
  return FirstLegible(towardsInk, 0.0, background, minimumContrast);
}
