// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#include "window/application.h"

#include <QApplication>
#include <QIcon>
#include <QTranslator>

bool InstallQtFrench(const QString& directory) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(QStringLiteral("qtbase_fr"), directory)) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

void PrepareApplication() {
  InstallQtFrench();
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/cxxproto/cxxproto.png")));
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.cxxproto.cxxproto"));
}
