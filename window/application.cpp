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
  // Small sizes only: the window system receives every size as raw pixels,
  // and decoding and sending the 256-pixel icon cost a tenth of the start.
  QIcon icon;
  for (const int size : {32, 64}) {
    icon.addFile(QStringLiteral(":/cxxproto/cxxproto-%1.png").arg(size), QSize(size, size));
  }
  QApplication::setWindowIcon(icon);
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.cxxproto.cxxproto"));
}
