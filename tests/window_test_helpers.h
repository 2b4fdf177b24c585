// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

// Small helpers shared by the window tests: find controls by name, read the
// output box, and close the modal message boxes a handler may open.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include "window/form1.h"

template <class Control = QWidget>
Control* Find(const Form1& form, const QString& name) {
  auto* control = form.findChild<Control*>(name);
  if (!control) qFatal("no control named %s", qPrintable(name));
  return control;
}

// What the output box holds, every character as it is (toPlainText() would
// show a no-break space as a space), lines joined by LF.
inline QString Output(const Form1& form) {
  QString text = Find<QPlainTextEdit>(form, "Text1")->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, u'\n');
  return text;
}

inline QString OutputLine(const Form1& form, int line) { return Output(form).split(u'\n').value(line); }

// What a screen reader reads of the output box beyond its name.
inline QString SpokenOutput(const Form1& form) {
  return QAccessible::queryAccessibleInterface(Find(form, "Text1"))->text(QAccessible::Description);
}

inline QColor OutputColour(const Form1& form) {
  return Find<QPlainTextEdit>(form, "Text1")->palette().color(QPalette::Text);
}

inline QCheckBox* Box(const Form1& form, int index) {
  return Find<QCheckBox>(form, QStringLiteral("Check1_%1").arg(index));
}

// Clicks a check box on its indicator, as a user does.
inline void ClickBox(const Form1& form, int index) {
  QCheckBox* box = Box(form, index);
  QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
}

// Toggles a check box through its accessibility action, as a screen reader
// or voice control does.
inline void ToggleAccessibly(const Form1& form, int index) {
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(Box(form, index));
  box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
}

// Closes every modal message box as soon as it opens. While a
// MessageBoxCloser lives the box was expected and its text is kept; any
// other box is an error report nobody expected, and the running test fails
// at once rather than wait for a click that never comes.
class MessageBoxWatch {
 public:
  MessageBoxWatch() {
    current = this;
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { CloseOpenBox(); });
    timer_.start();
  }
  ~MessageBoxWatch() { current = nullptr; }

  static inline MessageBoxWatch* current = nullptr;
  QStringList* expectedTexts = nullptr;

 private:
  void CloseOpenBox() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (expectedTexts) {
      expectedTexts->append(box->text());
    } else {
      QTest::qFail(qPrintable("unexpected message box: " + box->text()), __FILE__, __LINE__);
    }
    box->accept();
  }

  QTimer timer_;
};

// Expects the message boxes that open while it lives, keeping their texts.
class MessageBoxCloser {
 public:
  MessageBoxCloser() { MessageBoxWatch::current->expectedTexts = &texts; }
  ~MessageBoxCloser() { MessageBoxWatch::current->expectedTexts = nullptr; }
  MessageBoxCloser(const MessageBoxCloser&) = delete;
  MessageBoxCloser& operator=(const MessageBoxCloser&) = delete;

  QStringList texts;
};

// QTEST_MAIN, with a MessageBoxWatch for the whole run.
#define WINDOW_TEST_MAIN(TestClass)         \
  int main(int argc, char* argv[]) {        \
    QApplication app(argc, argv);           \
    MessageBoxWatch watch;                  \
    TestClass test;                         \
    return QTest::qExec(&test, argc, argv); \
  }
