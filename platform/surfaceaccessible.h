// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

#include <map>

namespace forms {

class DrawingSurface;
class WindowlessControl;

// What assistive tools are told of a drawing surface: a picture (or, for a form, a
// window) that its program names and describes, holding its child controls and, as
// static texts, the windowless labels painted into it, which would otherwise be mere
// pixels. It knows nothing of what is drawn.
class SurfaceAccessible final : public QAccessibleWidget
{
public:
    explicit SurfaceAccessible(DrawingSurface *surface);
    ~SurfaceAccessible() override;

    // Makes every drawing surface answer with this interface; once is enough.
    static void install();

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    DrawingSurface *surface() const;
    QAccessibleInterface *labelInterface(const WindowlessControl *label) const;

    // Interfaces of the labels, made on first request and owned by Qt's cache until
    // this one goes.
    mutable std::map<const WindowlessControl *, QAccessible::Id> m_labelIds;
};

} // namespace forms
