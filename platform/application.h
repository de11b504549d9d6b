// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace forms {

// The application of a forms program: it ends when no form is loaded, not when the
// last window closes, shows a runtime error's message before the program ends, and
// destroys its forms before Qt goes down. Its windows show the icon in every size the
// program's resources hold under :/icons, so they have it even where the icon theme is
// not installed; the desktop file name lets the desktop match them to their menu entry.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv, const QString &name, const QString &desktopFileName = {});
    ~Application() override;
};

} // namespace forms
