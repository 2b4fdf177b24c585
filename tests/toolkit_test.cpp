// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "window/toolkit.h"

#include <QtTest>

class ToolkitTest : public QObject {
  Q_OBJECT

 private slots:
  void lineBreaksComeInAsCrLf_data();
  void lineBreaksComeInAsCrLf();
  void lineBreaksGoOutAsLf_data();
  void lineBreaksGoOutAsLf();
  void coloursMapFromBgr();
  void contrastIsWcags_data();
  void contrastIsWcags();
  void twipsRoundToPixels();
};

void ToolkitTest::lineBreaksComeInAsCrLf_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("system");
  QTest::newRow("none") << "int a"
                        << "int a";
  QTest::newRow("lf") << "a\nb\n"
                      << "a\r\nb\r\n";
  QTest::newRow("crLfStaysOne") << "a\r\nb"
                                << "a\r\nb";
  QTest::newRow("loneCr") << "a\rb"
                          << "a\r\nb";
  QTest::newRow("crCr") << "a\r\rb"
                        << "a\r\n\r\nb";
  QTest::newRow("lfCr") << "a\n\rb"
                        << "a\r\n\r\nb";
  QTest::newRow("paragraphSeparator") << QString("a") + QChar(0x2029) + "b"
                                      << "a\r\nb";
  QTest::newRow("lineSeparator") << QString("a") + QChar(0x2028) + "b"
                                 << "a\r\nb";
  QTest::newRow("tabAndNbspStay") << QString("\ta") + QChar(0xA0) << QString("\ta") + QChar(0xA0);
}

void ToolkitTest::lineBreaksComeInAsCrLf() {
  QFETCH(QString, box);
  QFETCH(QString, system);
  QCOMPARE(QString::fromStdU16String(FromBoxText(box)), system);
}

void ToolkitTest::lineBreaksGoOutAsLf_data() {
  QTest::addColumn<QString>("system");
  QTest::addColumn<QString>("box");
  QTest::newRow("crLf") << "public:\r\n   void toto(void) ;"
                        << "public:\n   void toto(void) ;";
  QTest::newRow("twoBreaks") << "a\r\n\r\nb"
                             << "a\n\nb";
  QTest::newRow("crCrLf") << "a\r\r\nb"
                          << "a\r\nb";
  QTest::newRow("surrogatePair") << QString::fromUtf8("f\xF0\x9F\x98\x80")
                                 << QString::fromUtf8("f\xF0\x9F\x98\x80");
}

void ToolkitTest::lineBreaksGoOutAsLf() {
  QFETCH(QString, system);
  QFETCH(QString, box);
  QCOMPARE(ToBoxText(system.toStdU16String()), box);
}

void ToolkitTest::coloursMapFromBgr() {
  QCOMPARE(ToQColor(kGreen), QColor(0, 128, 0));
  QCOMPARE(ToQColor(kOrange), QColor(255, 128, 0));
  QCOMPARE(ToQColor(kRed), QColor(192, 0, 0));
  QCOMPARE(ToQColor(kDarkBlue), QColor(0, 0, 192));
}

void ToolkitTest::contrastIsWcags_data() {
  QTest::addColumn<QColor>("text");
  QTest::addColumn<QColor>("background");
  QTest::addColumn<double>("ratio");
  QTest::newRow("blackOnWhite") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
  QTest::newRow("whiteOnBlack") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
  QTest::newRow("same") << QColor(0, 128, 0) << QColor(0, 128, 0) << 1.0;
  QTest::newRow("greenOnWhite") << QColor(0, 128, 0) << QColor(Qt::white) << 5.14;
  QTest::newRow("orangeOnWhite") << QColor(255, 128, 0) << QColor(Qt::white) << 2.52;
  // A theme's colour finer than 8 bits counts as the pixel that shows it.
  QTest::newRow("asShown") << QColor(255, 65, 65) << QColor::fromRgbF(0.14f, 0.14f, 0.14f) << 4.50;
}

void ToolkitTest::contrastIsWcags() {
  QFETCH(QColor, text);
  QFETCH(QColor, background);
  QFETCH(double, ratio);
  QCOMPARE(qRound(ContrastRatio(text, background) * 100) / 100.0, ratio);
}

void ToolkitTest::twipsRoundToPixels() {
  QCOMPARE(TwipsRect(240, 600, 4215, 375), QRect(16, 40, 281, 25));
  QCOMPARE(Twips(17565), 1171);
  QCOMPARE(Twips(7), 0);
  QCOMPARE(Twips(8), 1);
}

QTEST_MAIN(ToolkitTest)
#include "toolkit_test.moc"
