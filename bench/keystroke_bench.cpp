// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

// The cost of one keystroke in the name box, from the edit through the
// handler, the composition and the refresh until the window has repainted,
// against two floors measured in the same window:
//   BareOutput:   QPlainTextEdit::setPlainText of the same text plus the
//                 colour change, repainted;
//   ToolkitFloor: the same, plus the name box's own edit (its signals
//                 blocked, so none of our code runs), repainted.
// Runs offscreen.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "window/form1.h"
#include "window/toolkit.h"

namespace {

QString NameOfLength(qsizetype length, bool spaces) {
  if (length == 0) return QStringLiteral("toto");
  QString name;
  name.reserve(length);
  for (qsizetype i = 0; i < length; ++i) name += (spaces && i % 8 == 7) ? QChar(u' ') : QChar(u'n');
  return name;
}

// One window whose name box holds a name of the given shape, its cursor at
// the end, everything painted once.
struct Window {
  Window(qsizetype length, bool spaces) : name(NameOfLength(length, spaces)) {
    form.show();
    nameBox = form.findChild<QLineEdit*>("textnom");
    output = form.findChild<QPlainTextEdit*>("Text1");
    nameBox->setText(name);
    nameBox->end(false);
    QApplication::processEvents();
  }

  // Types "f" at the end of the name, or takes it back: one keystroke.
  void Edit() {
    if (typed) {
      nameBox->backspace();
    } else {
      nameBox->insert(QStringLiteral("f"));
    }
    typed = !typed;
  }

  void ShowBare() {
    output->setPlainText("public:\n   void " + name + (typed ? "f" : "") + "(void) ;");
    QPalette palette = output->palette();
    palette.setColor(QPalette::Text, ToQColor(kGreen));
    output->setPalette(palette);
  }

  Form1 form;
  QString name;
  QLineEdit* nameBox = nullptr;
  QPlainTextEdit* output = nullptr;
  bool typed = false;
};

void Keystroke(benchmark::State& state, qsizetype length, bool spaces) {
  Window window(length, spaces);
  for (auto _ : state) {
    window.Edit();
    QApplication::processEvents();
  }
}

void BareOutput(benchmark::State& state, qsizetype length, bool spaces) {
  Window window(length, spaces);
  for (auto _ : state) {
    window.typed = !window.typed;
    window.ShowBare();
    QApplication::processEvents();
  }
}

void ToolkitFloor(benchmark::State& state, qsizetype length, bool spaces) {
  Window window(length, spaces);
  for (auto _ : state) {
    {
      const QSignalBlocker quiet(window.nameBox);
      window.Edit();
    }
    window.ShowBare();
    QApplication::processEvents();
  }
}

#define CXXPROTO_KEYSTROKE_CASE(name, length, spaces)                                 \
  BENCHMARK_CAPTURE(Keystroke, name, length, spaces)->Unit(benchmark::kMicrosecond);  \
  BENCHMARK_CAPTURE(BareOutput, name, length, spaces)->Unit(benchmark::kMicrosecond); \
  BENCHMARK_CAPTURE(ToolkitFloor, name, length, spaces)->Unit(benchmark::kMicrosecond);

CXXPROTO_KEYSTROKE_CASE(start, 0, true)
CXXPROTO_KEYSTROKE_CASE(name30000, 30000, true)
CXXPROTO_KEYSTROKE_CASE(name200000NoSpaces, 200000, false)

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
