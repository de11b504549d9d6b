// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "application.h"
#include "qtconvert.h"
#include "qtfrontend.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

namespace forms {

// A forms program as a Qt Widgets application. Its windows show the icon in every size
// the program's resources hold under :/icons, so they have it even where the icon theme
// is not installed; the desktop file name lets the desktop match them to their menu
// entry.
int RunProgram(int argc, char **argv, const ProgramInfo &program, const std::function<void()> &start)
{
    QApplication application(argc, argv);
    // No display name: Qt would append it to every window's caption.
    QApplication::setApplicationName(qt::toQt(program.name));
    QGuiApplication::setDesktopFileName(qt::toQt(program.desktopFileName));
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    QApplication::setWindowIcon(icon);
    // The program ends when no form is loaded, not when the last window closes.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    qt::QtFrontEnd frontEnd;
    const ProgramRun run(frontEnd);
    start();
    return QApplication::exec();
}

} // namespace forms
