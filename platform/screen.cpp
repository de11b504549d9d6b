// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "scalemapping.h"

#include <QGuiApplication>
#include <QScreen>

namespace forms {

float Screen::Width()
{
    return static_cast<float>(QGuiApplication::primaryScreen()->geometry().width() * TwipsPerPixel);
}

float Screen::Height()
{
    return static_cast<float>(QGuiApplication::primaryScreen()->geometry().height() * TwipsPerPixel);
}

} // namespace forms
