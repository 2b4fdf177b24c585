// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// The thin layer between the prototype logic and Qt: units, fonts, colours,
// line breaks at the boxes' boundary, and the qualifier check boxes.

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QString>
#include <array>
#include <string>
#include <string_view>

#include "prototype/prototype_state.h"
#include "prototype/rules.h"

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// Twips are 1/1440 inch: 15 to a device-independent pixel at 96 dpi.
int Twips(int twips);
QRect TwipsRect(int left, int top, int width, int height);

// The interface's proportional font at `points`, normal or bold: a narrow
// sans serif so that every caption fits its box, or where none is
// installed, a common sans serif squeezed to the same width.
QFont SansFont(qreal points, bool bold = false);
// The fixed-width font of the entry boxes and the output box.
QFont MonoFont(qreal points);

// The text a label, a button, a check box or a frame shows.
QString Caption(const QWidget& control);
// The width a label, a button or a check box leaves for its caption.
int CaptionRoom(const QWidget& control);
// Makes `control`'s caption fit its room, should its font be too wide
// (a system with no narrow font): a quarter point smaller at a time.
void FitCaption(QWidget& control);

QColor ToQColor(Colour colour);
// The colour as a screen shows it, in 8 bits a channel: a theme's colour
// may carry finer channels, which no pixel shows.
Colour FromQColor(const QColor& colour);

// The WCAG 2 contrast ratio of two colours as shown, from 1 (the same) to
// 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// True when `palette` shows light text on a dark background.
bool IsDarkPalette(const QPalette& palette);

// The colour to show text designed in `designed` over `background`: on a
// light palette `designed` itself; on a dark one the same hue, lightened
// just enough to reach `minimumContrast` against `background` (or to white,
// when even that falls short).
QColor LegibleColour(Colour designed, const QColor& background, bool darkPalette, double minimumContrast);

// LegibleTowards() of the logic, on Qt's colours.
QColor LegibleTowards(const QColor& start, const QColor& ink, const QColor& background,
                      double minimumContrast);

// The colour `control`'s parent paints under the middle of `control`: a
// group box's tinted inside, say, rather than its palette's window colour.
QColor PaintedBehind(const QWidget& control);

// Text coming in from a box, every line break Qt may hold (LF, CR, CR LF,
// U+2028, U+2029) made exactly one CR LF.
std::u16string FromBoxText(const QString& text);
// Text going out to a box: every CR LF becomes one LF.
QString ToBoxText(std::u16string_view text);

// The whole current text of a box, with CR LF line breaks and every
// character (no-break spaces included) as the user entered it.
std::u16string ReadBox(const QLineEdit& box);
std::u16string ReadBox(const QPlainTextEdit& box);

// The four qualifier boxes as the prototype logic sees them. Setting a box
// to a new value signals the change at once, as a user click does: this
// access is of the reporting kind.
class CheckBoxArray : public QualifierBoxes {
 public:
  // Reads the boxes through `boxes`, which must outlive this access.
  explicit CheckBoxArray(const std::array<QCheckBox*, 4>& boxes);
  int Value(QualifierBox box) const override;
  void SetValue(QualifierBox box, int value) override;
  bool ReportsChanges() const override { return true; }

 private:
  const std::array<QCheckBox*, 4>& boxes_;
};
