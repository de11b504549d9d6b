// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rundalicore.h"

#include <QObject>

// What every test of the program on Qt starts from.
namespace rundalitest {

// Drawing unpaced and runtime errors thrown; the pointer parked away from every window
// before each test, so that the next move to any point is a move; every form gone after it.
class RundaliTest : public QObject
{
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();
};

} // namespace rundalitest
