// SPDX-FileCopyrightText: 2026 The cxxproto developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLibraryInfo>
#include <QString>

// Loads Qt's own French strings (the text boxes' context menu, the message
// box's buttons) from `directory`, whatever the system's locale. Returns
// false, leaving Qt's English strings, when they cannot be loaded.
bool InstallQtFrench(const QString& directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

// Readies the running QApplication before the window is made: Qt's French
// strings, the icon of every window, and the desktop entry the window
// belongs to.
void PrepareApplication();
