// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cubetest.h"

#include "formregistry.h"

#include <QWidget>

namespace cubetest {

void TessaroTest::initTestCase()
{
    formstest::prepare();
}

void TessaroTest::init()
{
    form = &forms::FormRegistry::instance<frmTessaro>();
    form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(formstest::widget(form)));
    // The pointer parked on the window itself, so that a test's first move is a move
    // even where the last test left the pointer; not at 0, 0, which QTest takes for
    // the widget's centre.
    QTest::mouseMove(formstest::widget(form), QPoint(1, 1));
}

void TessaroTest::cleanup()
{
    formstest::reset();
}

} // namespace cubetest
