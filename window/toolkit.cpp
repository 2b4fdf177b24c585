// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "window/toolkit.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
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

// The relative luminance of WCAG 2 (0 for black, 1 for white) of the colour
// as a screen shows it, in 8 bits a channel: a theme's colour may carry finer
// channels, which no pixel shows.
double Luminance(const QColor& colour) {
  const auto linear = [](int channel) {
    const double intensity = channel / 255.0;
    return intensity <= 0.04045 ? intensity / 12.92 : std::pow((intensity + 0.055) / 1.055, 2.4);
  };
  const QRgb shown = colour.rgb();
  return 0.2126 * linear(qRed(shown)) + 0.7152 * linear(qGreen(shown)) + 0.0722 * linear(qBlue(shown));
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

namespace {

// The first colour along `path`, from path(start) to path(1), that reaches
// `minimumContrast` over `background`, contrast growing along the path;
// path(1) when none does. Halves the interval 16 times; candidates are
// rounded to the 8 bits a screen shows.
template <class Path>
QColor FirstLegible(const Path& path, float start, const QColor& background, double minimumContrast) {
  const auto shown = [&path](float along) { return QColor(path(along).rgb()); };
  float tooFaint = start;
  float legible = 1.0f;
  for (int step = 0; step < 16; ++step) {
    const float middle = (tooFaint + legible) / 2;
    (ContrastRatio(shown(middle), background) >= minimumContrast ? legible : tooFaint) = middle;
  }
  return shown(legible);
}

}  // namespace

QColor LegibleColour(Colour designed, const QColor& background, bool darkPalette, double minimumContrast) {
  const QColor colour = ToQColor(designed);
  if (!darkPalette || ContrastRatio(colour, background) >= minimumContrast) return colour;
  // Lightness raises luminance steadily at a fixed hue and saturation.
  const auto withLightness = [&colour](float lightness) {
    return QColor::fromHslF(colour.hslHueF(), colour.hslSaturationF(), lightness);
  };
  return FirstLegible(withLightness, colour.lightnessF(), background, minimumContrast);
}

QColor LegibleTowards(const QColor& start, const QColor& ink, const QColor& background,
                      double minimumContrast) {
  if (ContrastRatio(start, background) >= minimumContrast) return start;
  const auto towardsInk = [&](float along) {
    const auto channel = [along](float from, float to) { return from + (to - from) * along; };
    return QColor::fromRgbF(channel(start.redF(), ink.redF()), channel(start.greenF(), ink.greenF()),
                            channel(start.blueF(), ink.blueF()));
  };
  return FirstLegible(towardsInk, 0.0f, background, minimumContrast);
}

QColor PaintedBehind(const QWidget& control) {
  QImage pixel(1, 1, QImage::Format_RGB32);
  const QRect under(control.geometry().center(), QSize(1, 1));
  control.parentWidget()->render(&pixel, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
  return pixel.pixelColor(0, 0);
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
