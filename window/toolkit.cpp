// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "window/toolkit.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kTwipsPerPixel = 15;

bool IsQtLineBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029'; }

std::u16string_view View(const QString& text) {
  return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

QFont FontOf(const QString& family, QFont::StyleHint hint, qreal points, bool bold) {
  QFont font;
  font.setFamilies({family});
  font.setStyleHint(hint);
  font.setPointSizeF(points);
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}

// The first of `families` installed here whose pitch is as asked, else the
// system's own font of that kind, else any installed family of that pitch.
// Asking fontconfig for a generic family is no answer: on a system with few
// fonts its "sans-serif" can be a fixed-pitch face.
QString FirstInstalled(QStringList families, bool fixedPitch) {
  const auto systemFont = fixedPitch ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont;
  families << QFontDatabase::systemFont(systemFont).family() << QFontDatabase::families();
  for (const QString& family : families) {
    if (QFontDatabase::hasFamily(family) && QFontDatabase::isFixedPitch(family) == fixedPitch) return family;
  }
  return {};
}

// The captions' face: a narrow sans serif, as the boxes were sized for one.
// Where none is installed, a common sans serif squeezed to the narrow
// faces' width: Arial Narrow is Arial at 82 % of its width.
struct CaptionFace {
  QString family;
  int stretch;  // 0: the face's own width
};

const CaptionFace& CaptionFaceHere() {
  static const CaptionFace face = [] {
    for (const QString& family : QStringList{"Liberation Sans Narrow", "Arial Narrow"}) {
      if (QFontDatabase::hasFamily(family)) return CaptionFace{family, 0};
    }
    return CaptionFace{
        FirstInstalled({"Liberation Sans", "Arial", "Helvetica", "DejaVu Sans", "Noto Sans"}, false), 82};
  }();
  return face;
}

// The relative luminance of WCAG 2: 0 for black, 1 for white.
double Luminance(const QColor& colour) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

int Twips(int twips) { return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel)); }

QRect TwipsRect(int left, int top, int width, int height) {
  return {Twips(left), Twips(top), Twips(width), Twips(height)};
}

QFont SansFont(qreal points, bool bold) {
  const CaptionFace& face = CaptionFaceHere();
  QFont font = FontOf(face.family, QFont::SansSerif, points, bold);
  if (face.stretch != 0) font.setStretch(face.stretch);
  return font;
}

QFont MonoFont(qreal points) {
  static const QString family = FirstInstalled({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, true);
  QFont font = FontOf(family, QFont::Monospace, points, false);
  font.setFixedPitch(true);
  return font;
}

QString Caption(const QWidget& control) {
  if (auto* label = qobject_cast<const QLabel*>(&control)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(&control)) return button->text();
  if (auto* frame = qobject_cast<const QGroupBox*>(&control)) return frame->title();
  return {};
}

int CaptionRoom(const QWidget& control) {
  if (auto* box = qobject_cast<const QCheckBox*>(&control)) {
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    return box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
  }
  if (qobject_cast<const QPushButton*>(&control)) {
    return control.width() - 2 * control.style()->pixelMetric(QStyle::PM_ButtonMargin);
  }
  return control.contentsRect().width();
}

void FitCaption(QWidget& control) {
  constexpr qreal kStep = 0.25;
  constexpr qreal kSmallest = 6;
  const QString caption = Caption(control);
  QFont font = control.font();
  while (QFontMetrics(font).horizontalAdvance(caption) > CaptionRoom(control) &&
         font.pointSizeF() > kSmallest) {
    font.setPointSizeF(font.pointSizeF() - kStep);
    control.setFont(font);
  }
}

QColor ToQColor(Colour colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double first = Luminance(a);
  const double second = Luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

bool IsDarkPalette(const QPalette& palette) {
  return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}

QColor LegibleColour(Colour designed, const QColor& background, bool darkPalette, double minimumContrast) {
  const QColor colour = ToQColor(designed);
  if (!darkPalette || ContrastRatio(colour, background) >= minimumContrast) return colour;
  // Lightness raises luminance steadily at a fixed hue and saturation:
  // halve the interval until the first lightness that reaches the contrast.
  // Candidates are rounded to the 8 bits a screen shows.
  const auto withLightness = [&colour](float lightness) {
    return QColor(QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(), lightness).rgb());
  };
  float tooDark = colour.lightnessF();
  float legible = 1.0f;
  for (int step = 0; step < 16; ++step) {
    const float middle = (tooDark + legible) / 2;
    (ContrastRatio(withLightness(middle), background) >= minimumContrast ? legible : tooDark) = middle;
  }
  return withLightness(legible);
}

std::u16string FromBoxText(const QString& text) {
  const auto in = View(text);
  std::u16string out;
  out.reserve(in.size());
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (!IsQtLineBreak(in[i])) {
      out += in[i];
      continue;
    }
    if (in[i] == u'\r' && i + 1 < in.size() && in[i + 1] == u'\n') ++i;
    out += kLineBreak;
  }
  return out;
}

QString ToBoxText(std::u16string_view text) {
  QString out = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

std::u16string ReadBox(const QLineEdit& box) { return FromBoxText(box.text()); }

std::u16string ReadBox(const QPlainTextEdit& box) {
  // toPlainText() would turn no-break spaces into plain spaces.
  return FromBoxText(box.document()->toRawText());
}

CheckBoxArray::CheckBoxArray(const std::array<QCheckBox*, 4>& boxes) : boxes_(boxes) {}

int CheckBoxArray::Value(QualifierBox box) const {
  switch (boxes_[box]->checkState()) {
    case Qt::Unchecked:
      return 0;
    case Qt::Checked:
      return 1;
    default:
      return 2;
  }
}

void CheckBoxArray::SetValue(QualifierBox box, int value) {
  const Qt::CheckState state = value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked;
  boxes_[box]->setCheckState(state);
}
