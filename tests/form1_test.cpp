// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include <QAccessible>
#include <QClipboard>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QStyleOptionButton>
#include <memory>
#include <stdexcept>

#include "window/application.h"
#include "window_test_helpers.h"

namespace {

const QColor kGreenText(0, 128, 0);
const QColor kOrangeText(255, 128, 0);
const QColor kRedText(192, 0, 0);
const QColor kDarkBlueText(0, 0, 192);

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void missingTranslationKeepsQtEnglish();
  void applicationIsFrenchWithItsIcon();
  void windowIsFixedAndTitled();
  void controlsStandInPlace_data();
  void controlsStandInPlace();
  void captionsFitTheirBoxes();
  void controlsStayInsideTheWindow();
  void accessibleNamesAndRoles_data();
  void accessibleNamesAndRoles();
  void tabOrderStartsAtTheSlider();
  void startContentsAgreeWithTheOutput();
  void failingHandlerIsReportedAndSurvived();
  void outputBoxEditsAreOverwritten();

  void typingUpdatesTheOutput_data();
  void typingUpdatesTheOutput();
  void longNameIsNotTruncated();
  void qualifierClicks_data();
  void qualifierClicks();
  void sliderClicksSetAccessAndColour();
  void sliderDragSetsAccess();
  void sliderKeyboardSetsAccess();
  void changesAreAnnouncedOnce();
  void colouredTextFollowsTheTheme();

  void validezTakesTheParameters_data();
  void validezTakesTheParameters();
  void editingParametersAloneChangesNothing();
  void enterElsewhereNeverPressesValidez();
  void spaceOnTheFocusedButtonValidates();
  void overflowIsReportedAndSurvived();
};

namespace {

QStringList ContextMenuEntries(const Form1& form) {
  const std::unique_ptr<QMenu> menu(Find<QLineEdit>(form, "textnom")->createStandardContextMenu());
  QStringList entries;
  for (const QAction* action : menu->actions()) entries << action->text().section(u'\t', 0, 0);
  return entries;
}

}  // namespace

// Runs before the translation is installed: Qt's strings stay English and
// the program goes on.
void Form1Test::missingTranslationKeepsQtEnglish() {
  QVERIFY(!InstallQtFrench(QStringLiteral("/nonexistent")));
  Form1 form;
  QVERIFY(ContextMenuEntries(form).contains("&Paste"));
}

void Form1Test::applicationIsFrenchWithItsIcon() {
  PrepareApplication();
  // A path to a missing resource still makes a non-null QIcon: ask for pixels.
  QVERIFY(!QApplication::windowIcon().pixmap(32).isNull());
  Form1 form;
  const QStringList entries = ContextMenuEntries(form);
  QVERIFY2(entries.contains("Co&ller") && entries.contains("Tout sélectionner"),
           qPrintable(entries.join(", ")));
}

void Form1Test::windowIsFixedAndTitled() {
  Form1 form;
  QCOMPARE(form.windowTitle(), QString("Prototype des fonctions en C++"));
  QCOMPARE(form.minimumSize(), QSize(1171, 605));
  QCOMPARE(form.maximumSize(), QSize(1171, 605));
}

void Form1Test::controlsStandInPlace_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("geometry");  // pixels at 96 dpi, from twips / 15
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("fixedPitch");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<qreal>("points");
  QTest::addColumn<QColor>("colour");  // invalid: the toolkit's own
  QTest::newRow("Slider1") << "Slider1" << QRect(16, 40, 281, 25) << "" << false << false << 0.0 << QColor();
  QTest::newRow("Label1") << "Label1" << QRect(16, 16, 65, 33) << "public" << false << true << 15.0
                          << kGreenText;
  QTest::newRow("Label2") << "Label2" << QRect(112, 16, 97, 33) << "protected" << false << true << 15.0
                          << kOrangeText;
  QTest::newRow("Label3") << "Label3" << QRect(248, 15, 89, 33) << "private" << false << true << 15.0
                          << kRedText;
  QTest::newRow("Text1") << "Text1" << QRect(24, 448, 1129, 137) << "" << true << false << 15.75
                         << kGreenText;
  QTest::newRow("textnom") << "textnom" << QRect(584, 56, 500, 31) << "" << true << false << 14.25
                           << QColor();
  QTest::newRow("Label4") << "Label4" << QRect(400, 56, 177, 25) << "Nom de la fonction" << false << false
                          << 15.0 << QColor();
  QTest::newRow("textRetour") << "textRetour" << QRect(584, 24, 500, 31) << "" << true << false << 14.25
                              << QColor();
  QTest::newRow("Label5") << "Label5" << QRect(432, 24, 145, 25) << "Type de retour" << false << false << 15.0
                          << QColor();
  QTest::newRow("textParam") << "textParam" << QRect(472, 176, 449, 241) << "" << true << false << 14.25
                             << QColor();
  QTest::newRow("Label6") << "Label6" << QRect(472, 152, 289, 25) << "Liste des paramètres" << false << false
                          << 15.0 << QColor();
  QTest::newRow("Command1") << "Command1" << QRect(824, 136, 89, 33) << "Validez" << false << false << 15.0
                            << QColor();
  QTest::newRow("Frame1") << "Frame1" << QRect(32, 112, 241, 217) << "La fonction est" << false << false
                          << 15.0 << QColor();
  // The check boxes lie inside the frame, placed from its outer corner.
  QTest::newRow("Check1_0") << "Check1_0" << QRect(40, 40, 137, 41) << "inline" << false << true << 15.0
                            << kDarkBlueText;
  QTest::newRow("Check1_1") << "Check1_1" << QRect(40, 80, 137, 41) << "virtual" << false << true << 15.0
                            << kDarkBlueText;
  QTest::newRow("Check1_2") << "Check1_2" << QRect(40, 120, 161, 41) << "pure virtual" << false << true
                            << 15.0 << kDarkBlueText;
  QTest::newRow("Check1_3") << "Check1_3" << QRect(40, 160, 121, 41) << "const" << false << true << 15.0
                            << kDarkBlueText;
}

void Form1Test::controlsStandInPlace() {
  QFETCH(QString, name);
  QFETCH(QRect, geometry);
  QFETCH(QString, caption);
  QFETCH(bool, fixedPitch);
  QFETCH(bool, bold);
  QFETCH(qreal, points);
  QFETCH(QColor, colour);
  Form1 form;
  QWidget* control = Find(form, name);
  QCOMPARE(control->geometry(), geometry);
  QCOMPARE(Caption(*control), caption);
  if (points == 0) return;
  const QFontInfo font(control->font());
  QCOMPARE(font.fixedPitch(), fixedPitch);
  QCOMPARE(font.bold(), bold);
  QCOMPARE(control->font().pointSizeF(), points);
  if (colour.isValid()) QCOMPARE(control->palette().color(control->foregroundRole()), colour);
}

void Form1Test::captionsFitTheirBoxes() {
  Form1 form;
  form.show();
  const QStringList captioned = {"Label1",   "Label2",   "Label3",   "Label4",   "Label5",  "Label6",
                                 "Command1", "Check1_0", "Check1_1", "Check1_2", "Check1_3"};
  for (const QString& name : captioned) {
    const QWidget* control = Find(form, name);
    const QFontMetrics metrics(control->font());
    QVERIFY2(metrics.horizontalAdvance(Caption(*control)) <= CaptionRoom(*control), qPrintable(name));
    QVERIFY2(metrics.height() <= control->height(), qPrintable(name));
    QVERIFY2(!QFontInfo(control->font()).fixedPitch(), qPrintable(name));
  }
}

void Form1Test::controlsStayInsideTheWindow() {
  Form1 form;
  form.show();
  const qreal scale =
      qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble() : 1.0;
  QCOMPARE(form.devicePixelRatioF(), scale);
  for (const QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    QVERIFY2(form.rect().contains(control->geometry()), qPrintable(control->objectName()));
  }
  const QWidget* frame = Find(form, "Frame1");
  for (const QWidget* box : frame->findChildren<QCheckBox*>()) {
    QVERIFY2(frame->rect().contains(box->geometry()), qPrintable(box->objectName()));
  }
}

void Form1Test::accessibleNamesAndRoles_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<int>("role");
  QTest::addColumn<QString>("name");
  QTest::newRow("Slider1") << "Slider1" << int(QAccessible::Slider)
                           << "Accès : 1 public, 2 protected, 3 private";
  QTest::newRow("Text1") << "Text1" << int(QAccessible::EditableText) << "Prototype de la fonction";
  QTest::newRow("textnom") << "textnom" << int(QAccessible::EditableText) << "Nom de la fonction";
  QTest::newRow("textRetour") << "textRetour" << int(QAccessible::EditableText) << "Type de retour";
  QTest::newRow("textParam") << "textParam" << int(QAccessible::EditableText) << "Liste des paramètres";
  QTest::newRow("Command1") << "Command1" << int(QAccessible::Button) << "Validez";
  QTest::newRow("Check1_0") << "Check1_0" << int(QAccessible::CheckBox) << "inline";
  QTest::newRow("Check1_1") << "Check1_1" << int(QAccessible::CheckBox) << "virtual";
  QTest::newRow("Check1_2") << "Check1_2" << int(QAccessible::CheckBox) << "pure virtual";
  QTest::newRow("Check1_3") << "Check1_3" << int(QAccessible::CheckBox) << "const";
}

void Form1Test::accessibleNamesAndRoles() {
  QFETCH(QString, control);
  QFETCH(int, role);
  QFETCH(QString, name);
  Form1 form;
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(Find(form, control));
  QVERIFY(accessible);
  QCOMPARE(int(accessible->role()), role);
  QCOMPARE(accessible->text(QAccessible::Name), name);
}

void Form1Test::tabOrderStartsAtTheSlider() {
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(QApplication::focusWidget(), Find(form, "Slider1"));
  const QStringList expected = {"Text1",    "textnom",  "textRetour", "textParam", "Command1",
                                "Check1_0", "Check1_1", "Check1_2",   "Check1_3",  "Slider1"};
  QStringList visited;
  QWidget* widget = Find(form, "Slider1");
  while (visited.size() < expected.size()) {
    widget = widget->nextInFocusChain();
    if (widget->focusPolicy() & Qt::TabFocus) visited.append(widget->objectName());
  }
  QCOMPARE(visited, expected);
}

void Form1Test::startContentsAgreeWithTheOutput() {
  Form1 form;
  QCOMPARE(Output(form), QString("public:\n   void toto(void) ;"));
  QCOMPARE(OutputColour(form), kGreenText);
  QCOMPARE(Find<QLineEdit>(form, "textnom")->text(), QString("toto"));
  QCOMPARE(Find<QLineEdit>(form, "textRetour")->text(), QString("void"));
  QCOMPARE(Find<QPlainTextEdit>(form, "textParam")->toPlainText(), QString("void\n"));
  QCOMPARE(Find<QSlider>(form, "Slider1")->value(), 1);
  for (int i = 0; i < 4; ++i) QVERIFY(!Box(form, i)->isChecked());
  QVERIFY(form.State().parameterList == u"void");
}

void Form1Test::failingHandlerIsReportedAndSurvived() {
  Form1 form;
  form.show();
  {
    MessageBoxCloser closer;
    form.Dispatch([] { throw std::runtime_error("Dépassement de capacité"); });
    QCOMPARE(closer.texts, QStringList{"Dépassement de capacité"});
  }
  QCOMPARE(Output(form), QString("public:\n   void toto(void) ;"));
  // The window goes on answering.
  QTest::keyClick(Find(form, "textnom"), Qt::Key_End);
  QTest::keyClicks(Find(form, "textnom"), "f");
  QCOMPARE(OutputLine(form, 1), QString("   void totof(void) ;"));
}

void Form1Test::outputBoxEditsAreOverwritten() {
  Form1 form;
  auto* output = Find<QPlainTextEdit>(form, "Text1");
  QTest::keyClicks(output, "garbage");
  QVERIFY(Output(form).contains("garbage"));
  ClickBox(form, 3);
  QCOMPARE(Output(form), QString("public:\n   void toto(void) const ;"));
}

void Form1Test::typingUpdatesTheOutput_data() {
  QTest::addColumn<QString>("box");
  QTest::addColumn<bool>("replace");  // select all first
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("line2");
  QTest::newRow("appendToName") << "textnom" << false << "f"
                                << "   void totof(void) ;";
  QTest::newRow("clearName") << "textnom" << true << ""
                             << "   void (void) ;";
  QTest::newRow("typeReturnType") << "textRetour" << true << "int  "
                                  << "   int   toto(void) ;";
  QTest::newRow("nameWithSpaces") << "textnom" << true << " f "
                                  << "   void  f (void) ;";
}

void Form1Test::typingUpdatesTheOutput() {
  QFETCH(QString, box);
  QFETCH(bool, replace);
  QFETCH(QString, typed);
  QFETCH(QString, line2);
  Form1 form;
  auto* entry = Find<QLineEdit>(form, box);
  if (replace) {
    entry->selectAll();
    QTest::keyClick(entry, Qt::Key_Delete);
  } else {
    entry->end(false);
  }
  for (const QChar c : typed) QTest::keyClick(entry, c.toLatin1());
  QCOMPARE(OutputLine(form, 1), line2);
  QCOMPARE(SpokenOutput(form), Output(form).simplified());
}

void Form1Test::longNameIsNotTruncated() {
  Form1 form;
  auto* name = Find<QLineEdit>(form, "textnom");
  const QString longName(100000, u'n');
  QApplication::clipboard()->setText(longName);
  name->selectAll();
  QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(OutputLine(form, 1), "   void " + longName + "(void) ;");
}

void Form1Test::qualifierClicks_data() {
  QTest::addColumn<QList<int>>("clicks");
  QTest::addColumn<QList<bool>>("checked");
  QTest::addColumn<QString>("line2");
  QTest::newRow("const") << QList<int>{3} << QList<bool>{false, false, false, true}
                         << "   void toto(void) const ;";
  QTest::newRow("constOnOff") << QList<int>{3, 3} << QList<bool>{false, false, false, false}
                              << "   void toto(void) ;";
  QTest::newRow("inlineVirtual") << QList<int>{1, 0} << QList<bool>{true, true, false, false}
                                 << "   inline virtual void toto(void) ;";
  QTest::newRow("pureTicksVirtual") << QList<int>{2} << QList<bool>{false, true, true, false}
                                    << "   virtual void toto(void)  = 0 ;";
  // With pure virtual set, unticking virtual is undone at once.
  QTest::newRow("virtualStaysWithPure")
      << QList<int>{2, 1} << QList<bool>{false, true, true, false} << "   virtual void toto(void)  = 0 ;";
  QTest::newRow("untickPure") << QList<int>{2, 2} << QList<bool>{false, true, false, false}
                              << "   virtual void toto(void) ;";
  QTest::newRow("all") << QList<int>{0, 2, 3} << QList<bool>{true, true, true, true}
                       << "   inline virtual void toto(void) const  = 0 ;";
}

void Form1Test::qualifierClicks() {
  QFETCH(QList<int>, clicks);
  QFETCH(QList<bool>, checked);
  QFETCH(QString, line2);
  // An assistive tool's toggle must give what a click gives.
  for (const bool assistive : {false, true}) {
    Form1 form;
    form.show();
    for (const int box : clicks) assistive ? ToggleAccessibly(form, box) : ClickBox(form, box);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(Box(form, i)->checkState(), checked[i] ? Qt::Checked : Qt::Unchecked);
    }
    QCOMPARE(OutputLine(form, 1), line2);
    QCOMPARE(OutputColour(form), kGreenText);
    QCOMPARE(SpokenOutput(form), Output(form).simplified());
  }
}

namespace {

// The point of the slider's groove under position `value`.
QPoint SliderPoint(QSlider* slider, int value) {
  QStyleOptionSlider option;
  option.initFrom(slider);
  option.orientation = slider->orientation();
  option.minimum = slider->minimum();
  option.maximum = slider->maximum();
  option.sliderPosition = value;
  option.sliderValue = value;
  const QRect handle =
      slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
  return handle.center();
}

}  // namespace

void Form1Test::sliderClicksSetAccessAndColour() {
  Form1 form;
  form.show();
  auto* slider = Find<QSlider>(form, "Slider1");
  const struct {
    int position;
    const char* access;
    QColor colour;
  } kSteps[] = {{2, "protected:", kOrangeText},
                {3, "private:", kRedText},
                {1, "public:", kGreenText},
                {3, "private:", kRedText}};
  for (const auto& step : kSteps) {
    QTest::mouseClick(slider, Qt::LeftButton, {}, SliderPoint(slider, step.position));
    QCOMPARE(slider->value(), step.position);
    QCOMPARE(OutputLine(form, 0), QString(step.access));
    QCOMPARE(OutputLine(form, 1), QString("   void toto(void) ;"));
    QCOMPARE(OutputColour(form), step.colour);
  }
}

void Form1Test::sliderDragSetsAccess() {
  Form1 form;
  form.show();
  auto* slider = Find<QSlider>(form, "Slider1");
  QTest::mousePress(slider, Qt::LeftButton, {}, SliderPoint(slider, 1));
  QTest::mouseMove(slider, SliderPoint(slider, 2));
  QTest::mouseMove(slider, SliderPoint(slider, 3));
  QTest::mouseRelease(slider, Qt::LeftButton, {}, SliderPoint(slider, 3));
  QCOMPARE(slider->value(), 3);
  QCOMPARE(OutputLine(form, 0), QString("private:"));
  QCOMPARE(OutputColour(form), kRedText);
}

void Form1Test::sliderKeyboardSetsAccess() {
  Form1 form;
  auto* slider = Find<QSlider>(form, "Slider1");
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(slider);
  const struct {
    Qt::Key key;
    const char* access;
    const char* spoken;  // what a screen reader reads besides the number
  } kSteps[] = {{Qt::Key_Right, "protected:", "protected"},
                {Qt::Key_End, "private:", "private"},
                {Qt::Key_Home, "public:", "public"}};
  for (const auto& step : kSteps) {
    QTest::keyClick(slider, step.key);
    QCOMPARE(OutputLine(form, 0), QString(step.access));
    QCOMPARE(accessible->text(QAccessible::Description), QString(step.spoken));
    QCOMPARE(SpokenOutput(form), Output(form).simplified());
  }
  QCOMPARE(OutputColour(form), kGreenText);
}

namespace {

QStringList announcements;

void RecordAnnouncement([[maybe_unused]] QAccessibleEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (event->type() == QAccessible::Announcement) {
    announcements << static_cast<QAccessibleAnnouncementEvent*>(event)->message();
  }
#endif
}

}  // namespace

// A box, the slider or "Validez" has the new declaration read out once per
// action; typing in a box and the start do not.
void Form1Test::changesAreAnnouncedOnce() {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  QSKIP("Qt asks assistive technology for announcements from 6.8 on");
#endif
  announcements.clear();
  const auto previousHandler = QAccessible::installUpdateHandler(RecordAnnouncement);
  QAccessible::setActive(true);
  Form1 form;
  form.show();
  auto* slider = Find<QSlider>(form, "Slider1");
  QTest::keyClicks(Find(form, "textnom"), "x");
  ClickBox(form, 2);  // ticks "virtual" too, in a nested handler
  QTest::keyClick(slider, Qt::Key_Right);
  QTest::mouseClick(slider, Qt::LeftButton, {}, SliderPoint(slider, 3));
  Find<QPlainTextEdit>(form, "textParam")->setPlainText("int a");
  QTest::mouseClick(Find(form, "Command1"), Qt::LeftButton);
  QTest::mouseClick(Find(form, "Command1"), Qt::LeftButton);  // the same list, read out again
  QAccessible::setActive(false);
  QAccessible::installUpdateHandler(previousHandler);
  QCOMPARE(announcements,
           QStringList({"public: virtual void totox(void) = 0 ;", "protected: virtual void totox(void) = 0 ;",
                        "private: virtual void totox(void) = 0 ;", "private: virtual void totox(int a) = 0 ;",
                        "private: virtual void totox(int a) = 0 ;"}));
}

namespace {

// A dark palette like Adwaita's, as Qt's GTK 3 theme hands it over, where
// the text boxes have a palette of their own, with another base.
void UseDarkPalette(bool dark, const QPalette& light) {
  if (!dark) {
    QApplication::setPalette(light);
    QApplication::setPalette(light, "QPlainTextEdit");
    return;
  }
  QPalette palette(QColor(0x32, 0x32, 0x32));
  palette.setColor(QPalette::Window, QColor(0x32, 0x32, 0x32));
  palette.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(role, QColor(0xf0, 0xf0, 0xf0));
  }
  QApplication::setPalette(palette);
  palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
  QApplication::setPalette(palette, "QPlainTextEdit");
}

// The colour painted in `control`'s top right corner, clear of its text.
QColor PaintedBackground(const QImage& shot, const Form1& form, const QWidget* control) {
  return shot.pixelColor(control->mapTo(&form, QPoint(control->width() - 4, 3)));
}

}  // namespace

// On a light palette the coloured texts keep their exact colours; on a dark
// one each keeps its hue and reaches its contrast over what is painted behind
// it. On both, each check box's square stands out from the frame at 3:1.
void Form1Test::colouredTextFollowsTheTheme() {
  const QPalette light = QApplication::palette();
  Form1 form;
  form.show();  // a new palette reaches a window's widgets through its native window
  auto* slider = Find<QSlider>(form, "Slider1");
  const struct {
    const char* name;
    int position;  // of the slider, for the output box
    QColor designed;
    double contrast;
  } kTexts[] = {{"Label1", 1, kGreenText, 3},      {"Label2", 1, kOrangeText, 3},
                {"Label3", 1, kRedText, 3},        {"Check1_0", 1, kDarkBlueText, 3},
                {"Check1_3", 1, kDarkBlueText, 3}, {"Text1", 1, kGreenText, 4.5},
                {"Text1", 2, kOrangeText, 4.5},    {"Text1", 3, kRedText, 4.5}};
  for (const bool dark : {true, false}) {
    UseDarkPalette(dark, light);
    QApplication::processEvents();  // the window takes its new palette,
    QApplication::processEvents();  // then colours its texts anew
    for (const auto& text : kTexts) {
      slider->setValue(text.position);
      const QWidget* control = Find(form, text.name);
      const QColor shown = control->palette().color(control->foregroundRole());
      const QString where = QStringLiteral("%1 at %2").arg(text.name).arg(text.position);
      if (!dark) {
        QCOMPARE(shown, text.designed);
        continue;
      }
      const QColor behind = PaintedBackground(form.grab().toImage(), form, control);
      QVERIFY2(ContrastRatio(shown, behind) >= text.contrast, qPrintable(where));
      QVERIFY2(shown.hslHue() == text.designed.hslHue(), qPrintable(where));
    }
    const QImage shot = form.grab().toImage();
    for (int i = 0; i < 4; ++i) {
      const QCheckBox* box = Box(form, i);
      QStyleOptionButton option;
      option.initFrom(box);
      const QRect square = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
      const QColor outline = shot.pixelColor(box->mapTo(&form, QPoint(square.left(), square.center().y())));
      QVERIFY2(ContrastRatio(outline, PaintedBackground(shot, form, box)) >= 3,
               qPrintable(box->objectName()));
    }
  }
}

void Form1Test::validezTakesTheParameters_data() {
  QTest::addColumn<bool>("replace");
  QTest::addColumn<QStringList>("lines");  // typed, Enter between them
  QTest::addColumn<QString>("line2");
  QTest::newRow("startText") << false << QStringList{} << "   void toto(void) ;";
  QTest::newRow("twoLines") << true << QStringList{"int a", "char * b"} << "   void toto(int a, char * b) ;";
  QTest::newRow("afterStartText") << false << QStringList{"int a", "char * b"}
                                  << "   void toto(void, int a, char * b) ;";
  QTest::newRow("emptied") << true << QStringList{} << "   void toto(void) ;";
  QTest::newRow("blankLines") << true << QStringList{"  x  ", "", "y", "", ""} << "   void toto(x, , y) ;";
}

void Form1Test::validezTakesTheParameters() {
  QFETCH(bool, replace);
  QFETCH(QStringList, lines);
  QFETCH(QString, line2);
  Form1 form;
  auto* parameters = Find<QPlainTextEdit>(form, "textParam");
  parameters->moveCursor(QTextCursor::End);
  if (replace) {
    parameters->selectAll();
    QTest::keyClick(parameters, Qt::Key_Delete);
  }
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (i > 0) QTest::keyClick(parameters, Qt::Key_Return);
    QTest::keyClicks(parameters, lines[i]);
  }
  QTest::mouseClick(Find(form, "Command1"), Qt::LeftButton);
  QCOMPARE(OutputLine(form, 1), line2);
  QCOMPARE(SpokenOutput(form), Output(form).simplified());
}

void Form1Test::editingParametersAloneChangesNothing() {
  Form1 form;
  auto* parameters = Find<QPlainTextEdit>(form, "textParam");
  parameters->selectAll();
  QTest::keyClicks(parameters, "int a");
  QCOMPARE(OutputLine(form, 1), QString("   void toto(void) ;"));
  QTest::mouseClick(Find(form, "Command1"), Qt::LeftButton);
  QCOMPARE(OutputLine(form, 1), QString("   void toto(int a) ;"));
}

void Form1Test::enterElsewhereNeverPressesValidez() {
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  Find<QPlainTextEdit>(form, "textParam")->setPlainText("int a");
  for (const char* name : {"textnom", "textRetour", "Slider1", "Check1_0"}) {
    QWidget* control = Find(form, name);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Return);
    QTest::keyClick(control, Qt::Key_Enter);
  }
  QCOMPARE(OutputLine(form, 1), QString("   void toto(void) ;"));
}

void Form1Test::spaceOnTheFocusedButtonValidates() {
  Form1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  Find<QPlainTextEdit>(form, "textParam")->setPlainText("int a");
  auto* button = Find(form, "Command1");
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  QCOMPARE(OutputLine(form, 1), QString("   void toto(int a) ;"));
}

void Form1Test::overflowIsReportedAndSurvived() {
  Form1 form;
  form.show();
  auto* parameters = Find<QPlainTextEdit>(form, "textParam");
  auto* button = Find(form, "Command1");
  parameters->setPlainText("int a");
  QTest::mouseClick(button, Qt::LeftButton);
  parameters->setPlainText(QString(32767, u'x'));
  {
    MessageBoxCloser closer;
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(closer.texts.size(), 1);
    QVERIFY(closer.texts[0].startsWith("Dépassement de capacité"));
  }
  QCOMPARE(OutputLine(form, 1), QString("   void toto(int a) ;"));
  QVERIFY(form.State().parameterList == u"int a");
  // The name box still answers, and a shorter list validates.
  QTest::keyClick(Find(form, "textnom"), Qt::Key_Backspace);
  QCOMPARE(OutputLine(form, 1), QString("   void tot(int a) ;"));
  parameters->setPlainText(QString(32766, u'x'));
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(OutputLine(form, 1), "   void tot(" + QString(32766, u'x') + ") ;");
}

WINDOW_TEST_MAIN(Form1Test)
#include "form1_test.moc"
