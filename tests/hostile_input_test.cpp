// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// Pastes that a user could throw at the window: huge texts and characters
// that are easy to mishandle. The program must stay alive, lose nothing and
// show exactly what the rules give.

#include <QClipboard>

#include "window_test_helpers.h"

namespace {

constexpr qsizetype kHugePaste = 1000000;

// Pastes `text` over the whole content of `box`, through the clipboard.
void PasteOver(QWidget* box, const QString& text) {
  QApplication::clipboard()->setText(text);
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void Validate(const Form1& form) { QTest::mouseClick(Find(form, "Command1"), Qt::LeftButton); }

// True when every UTF-16 surrogate in `text` stands in a whole pair.
bool SurrogatesPaired(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].isHighSurrogate()) {
      if (i + 1 == text.size() || !text[i + 1].isLowSurrogate()) return false;
      ++i;
    } else if (text[i].isLowSurrogate()) {
      return false;
    }
  }
  return true;
}

const QString kGrin = QString::fromUtf8("\xF0\x9F\x98\x80");  // U+1F600, a surrogate pair

}  // namespace

class HostileInputTest : public QObject {
  Q_OBJECT

 private slots:
  void hugeNameAndTypeArriveWhole_data();
  void hugeNameAndTypeArriveWhole();
  void hugeParameterPasteIsRefusedAndSurvived();
  void awkwardCharactersInTheName_data();
  void awkwardCharactersInTheName();
  void awkwardCharactersInTheParameters_data();
  void awkwardCharactersInTheParameters();
};

void HostileInputTest::hugeNameAndTypeArriveWhole_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<QString>("before");  // line 2 up to the pasted text
  QTest::addColumn<QString>("after");
  QTest::newRow("name") << "textnom"
                        << "   void "
                        << "(void) ;";
  QTest::newRow("returnType") << "textRetour"
                              << "   "
                              << " toto(void) ;";
}

void HostileInputTest::hugeNameAndTypeArriveWhole() {
  QFETCH(QString, box);
  QFETCH(QString, before);
  QFETCH(QString, after);
  Form1 form;
  form.show();
  QString huge(kHugePaste, u'n');
  huge[kHugePaste / 2] = u' ';
  PasteOver(Find(form, box), huge);
  QCOMPARE(Find<QLineEdit>(form, box)->text().size(), kHugePaste);
  QCOMPARE(OutputLine(form, 1), before + huge + after);
}

void HostileInputTest::hugeParameterPasteIsRefusedAndSurvived() {
  Form1 form;
  form.show();
  auto* parameters = Find(form, "textParam");
  PasteOver(parameters, "int a\nchar b");
  Validate(form);
  const QString shown = Output(form);
  PasteOver(parameters, QString(kHugePaste, u'p'));
  {
    MessageBoxCloser closer;
    Validate(form);
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts[0].contains("Dépassement de capacité"));
  }
  QCOMPARE(Output(form), shown);
  QVERIFY(form.State().parameterList == u"int a, char b");
  // Nothing was lost from the box, and a shorter paste validates.
  QCOMPARE(Find<QPlainTextEdit>(form, "textParam")->toPlainText().size(), kHugePaste);
  PasteOver(parameters, "double x\n");
  Validate(form);
  QCOMPARE(OutputLine(form, 1), QString("   void toto(double x) ;"));
}

void HostileInputTest::awkwardCharactersInTheName_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("output");  // the whole output box
  QTest::newRow("tabs") << "\tf\t"
                        << "public:\n   void \tf\t(void) ;";
  QTest::newRow("surrogatePairs") << kGrin + "f" + kGrin
                                  << "public:\n   void " + kGrin + "f" + kGrin + "(void) ;";
  // A line break that the one-line box lets in stays one line break.
  QTest::newRow("loneLf") << "f\ng" << "public:\n   void f\ng(void) ;";
  QTest::newRow("loneCr") << "f\rg" << "public:\n   void f\ng(void) ;";
  QTest::newRow("crLf") << "f\r\ng" << "public:\n   void f\ng(void) ;";
  QTest::newRow("nul") << QString("f") + QChar(0) + "g"
                       << "public:\n   void f" + QString(QChar(0)) + "g(void) ;";
  QTest::newRow("noBreakSpace") << QString("f") + QChar(0xA0)
                                << "public:\n   void f" + QString(QChar(0xA0)) + "(void) ;";
}

void HostileInputTest::awkwardCharactersInTheName() {
  QFETCH(QString, pasted);
  QFETCH(QString, output);
  Form1 form;
  PasteOver(Find(form, "textnom"), pasted);
  QCOMPARE(Output(form), output);
  QVERIFY(SurrogatesPaired(Output(form)));
}

void HostileInputTest::awkwardCharactersInTheParameters_data() {
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("line2");
  QTest::newRow("tabs") << "\tint a\t\n b"
                        << "   void toto(\tint a\t, b) ;";
  QTest::newRow("loneCr") << "a\rb"
                          << "   void toto(a, b) ;";
  QTest::newRow("crLf") << "a\r\nb"
                        << "   void toto(a, b) ;";
  QTest::newRow("crCr") << "a\r\rb"
                        << "   void toto(a, , b) ;";
  QTest::newRow("surrogatePairs") << kGrin + " x\n" + kGrin
                                  << "   void toto(" + kGrin + " x, " + kGrin + ") ;";
  QTest::newRow("nul") << QString("a") + QChar(0) + "\nb"
                       << "   void toto(a" + QString(QChar(0)) + ", b) ;";
  QTest::newRow("onlyBreaks") << "\n\r\n\r"
                              << "   void toto(void) ;";
}

void HostileInputTest::awkwardCharactersInTheParameters() {
  QFETCH(QString, pasted);
  QFETCH(QString, line2);
  Form1 form;
  PasteOver(Find(form, "textParam"), pasted);
  Validate(form);
  QCOMPARE(OutputLine(form, 1), line2);
  QCOMPARE(Output(form).count(u'\n'), 1);
  QVERIFY(SurrogatesPaired(Output(form)));
}

WINDOW_TEST_MAIN(HostileInputTest)
#include "hostile_input_test.moc"
