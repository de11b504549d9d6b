// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "readonlytext.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <map>
#include <vector>

namespace forms {
class WindowlessControl;
}

namespace forms::qt {

class SurfaceWidget;

// What assistive tools are told of a drawing surface: a picture (or, for a form, a
// window) that its program names and describes, holding its child controls and, as
// static texts, the windowless labels painted into it, which would otherwise be mere
// pixels. A surface the keyboard explores also carries what is said of it: its text is
// the last sentence it said, its value counts them (see Speech). It knows nothing of
// what is drawn.
class SurfaceAccessible final : public QAccessibleWidget, public ReadOnlyText, public QAccessibleValueInterface
{
public:
    explicit SurfaceAccessible(SurfaceWidget *surface);
    ~SurfaceAccessible() override;

    // Makes every drawing surface and probe area answer with these interfaces; once is
    // enough.
    static void install();

    QAccessible::Role role() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    QString readText() const override;
    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override;
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    SurfaceWidget *surface() const;
    std::vector<const WindowlessControl *> exposedLabels() const;
    QAccessibleInterface *labelInterface(const WindowlessControl *label) const;

    // Interfaces of the labels, made on first request and owned by Qt's cache until
    // this one goes.
    mutable std::map<const WindowlessControl *, QAccessible::Id> m_labelIds;
};

} // namespace forms::qt
