// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// The startup floor: a window with the same seventeen Qt widgets as cxxproto,
// at the same places, with the same start texts, fonts and colours, and no
// logic at all. bench/startup launches it side by side with cxxproto.

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

#include "window/toolkit.h"

namespace {

void Paint(QWidget* widget, Colour colour) {
  QPalette palette = widget->palette();
  for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(role, ToQColor(colour));
  }
  widget->setPalette(palette);
}

template <class Widget>
Widget* At(Widget* widget, QRect geometry, const QFont& font) {
  widget->setGeometry(geometry);
  widget->setFont(font);
  return widget;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Prototype des fonctions en C++"));
  window.setFixedSize(Twips(17565), Twips(9075));

  auto* slider = At(new QSlider(Qt::Horizontal, &window), TwipsRect(240, 600, 4215, 375), QFont());
  slider->setRange(1, 3);
  slider->setTickPosition(QSlider::TicksBelow);
  const QFont bold = SansFont(15, true);
  const QFont sans = SansFont(15);
  const QFont entry = MonoFont(14.25);
  Paint(At(new QLabel("public", &window), TwipsRect(240, 240, 975, 495), bold), kGreen);
  Paint(At(new QLabel("protected", &window), TwipsRect(1680, 240, 1455, 495), bold), kOrange);
  Paint(At(new QLabel("private", &window), TwipsRect(3720, 225, 1335, 495), bold), kRed);
  auto* output = At(new QPlainTextEdit(&window), TwipsRect(360, 6720, 16935, 2055), MonoFont(15.75));
  output->setPlainText("public:\n   void toto(void) ;");
  Paint(output, kGreen);
  At(new QLineEdit("toto", &window), TwipsRect(8760, 840, 7500, 465), entry);
  At(new QLabel("Nom de la fonction", &window), TwipsRect(6000, 840, 2655, 375), sans);
  At(new QLineEdit("void", &window), TwipsRect(8760, 360, 7500, 465), entry);
  At(new QLabel("Type de retour", &window), TwipsRect(6480, 360, 2175, 375), sans);
  At(new QPlainTextEdit("void\n", &window), TwipsRect(7080, 2640, 6735, 3615), entry);
  At(new QLabel("Liste des paramètres", &window), TwipsRect(7080, 2280, 4335, 375), sans);
  At(new QPushButton("Validez", &window), TwipsRect(12360, 2040, 1335, 495), sans);
  auto* frame = At(new QGroupBox("La fonction est", &window), TwipsRect(480, 1680, 3615, 3255), sans);
  int top = 600;
  for (const char* caption : {"inline", "virtual", "pure virtual", "const"}) {
    Paint(At(new QCheckBox(caption, frame), TwipsRect(600, top, 2415, 615), bold), kDarkBlue);
    top += 600;
  }
  slider->setFocus();
  window.show();
  return app.exec();
}
