// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rundalitest.h"

#include "formstest.h"

#include <QCursor>

namespace rundalitest {

void RundaliTest::initTestCase()
{
    formstest::prepare();
}

void RundaliTest::init()
{
    QCursor::setPos(1020, 764);
}

void RundaliTest::cleanup()
{
    formstest::reset();
}

} // namespace rundalitest
