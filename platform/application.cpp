// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"

#include "formregistry.h"
#include "loadedforms.h"
#include "runtimeerror.h"

#include <QDir>
#include <QIcon>
#include <QMessageBox>

namespace forms {

Application::Application(int &argc, char **argv, const QString &name, const QString &desktopFileName)
    : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window's caption.
    setApplicationName(name);
    setDesktopFileName(desktopFileName);
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    setWindowIcon(icon);
    setQuitOnLastWindowClosed(false);
    connect(&LoadedForms::instance(), &LoadedForms::lastFormUnloaded, this, [] { exit(0); });
    SetRuntimeErrorDisplay([](const QString &message) {
        QMessageBox::critical(nullptr, applicationDisplayName(), QStringLiteral("Laufzeitfehler:\n\n%1").arg(message));
    });
}

Application::~Application()
{
    FormRegistry::destroyAll();
}

} // namespace forms
