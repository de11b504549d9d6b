#pragma once

#include "frmrundali.h"

#include "commandbutton.h"
#include "formregistry.h"

#include <QTest>

// The window as the tests use it, and a real click on one of its buttons.
namespace rundalitest {

constexpr forms::Colour Background = forms::RGB(64, 64, 64);

inline frmRundali &shownWindow()
{
    frmRundali &form = forms::FormRegistry::instance<frmRundali>();
    form.Show();
    return form;
}

inline void click(forms::CommandButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace rundalitest
