// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include <QApplication>

#include "window/application.h"
#include "window/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  PrepareApplication();
  Form1 form;
  form.show();
  return app.exec();
}
