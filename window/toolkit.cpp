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
#include <cmath>

#include "prototype/box_text.h"
#include "prototype/legibility.h"

namespace {

constexpr int kTwipsPerPixel = 15;

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

Colour FromQColor(const QColor& colour) {
  const QRgb shown = colour.rgb();  // in 8 bits a channel, as a screen shows it
  return static_cast<Colour>(qRed(shown)) | static_cast<Colour>(qGreen(shown)) << 8 |
         static_cast<Colour>(qBlue(shown)) << 16;
}

double ContrastRatio(const QColor& a, const QColor& b) { return ContrastRatio(FromQColor(a), FromQColor(b)); }

bool IsDarkPalette(const QPalette& palette) {
  return RelativeLuminance(FromQColor(palette.color(QPalette::Window))) <
         RelativeLuminance(FromQColor(palette.color(QPalette::WindowText)));
}

QColor LegibleColour(Colour designed, const QColor& background, bool darkPalette, double minimumContrast) {
  if (!darkPalette) return ToQColor(designed);
  return ToQColor(LegibleColour(designed, FromQColor(background), minimumContrast));
}

QColor LegibleTowards(const QColor& start, const QColor& ink, const QColor& background,
                      double minimumContrast) {
  return ToQColor(
      LegibleTowards(FromQColor(start), FromQColor(ink), FromQColor(background), minimumContrast));
}

QColor PaintedBehind(const QWidget& control) {
  QImage pixel(1, 1, QImage::Format_RGB32);
  const QRect under(control.geometry().center(), QSize(1, 1));
  control.parentWidget()->render(&pixel, QPoint(), QRegion(under), QWidget::DrawWindowBackground);
  return pixel.pixelColor(0, 0);
}

std::u16string FromBoxText(const QString& text) { return FromBoxLineBreaks(View(text)); }

QString ToBoxText(std::u16string_view text) { return QString::fromStdU16String(ToBoxLineBreaks(text)); }

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
