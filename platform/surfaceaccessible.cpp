// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surfaceaccessible.h"

#include "drawingsurface.h"
#include "windowlesscontrol.h"

#include <QPointer>

#include <algorithm>

namespace forms {

namespace {

// A windowless control as static text; its place is the control's on the surface.
class LabelAccessible final : public QAccessibleInterface
{
public:
    LabelAccessible(DrawingSurface *surface, const WindowlessControl *label) : m_surface(surface), m_label(label) {}

    bool isValid() const override
    {
        if (!m_surface)
            return false;
        const std::vector<const WindowlessControl *> labels = m_surface->windowlessControls();
        return std::find(labels.begin(), labels.end(), m_label) != labels.end();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_surface ? m_surface->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_surface); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && isValid() ? m_label->Caption() : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = m_label->hitRect();
        return QRect(m_surface->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || !m_label->Visible() || !m_surface->isVisible();
        return state;
    }

private:
    QPointer<DrawingSurface> m_surface;
    const WindowlessControl *m_label;
};

QAccessibleInterface *surfaceFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::DrawingSurface") && object && object->isWidgetType())
        return new SurfaceAccessible(static_cast<DrawingSurface *>(object));
    return nullptr;
}

} // namespace

SurfaceAccessible::SurfaceAccessible(DrawingSurface *surface)
    : QAccessibleWidget(surface, surface->isWindow() ? QAccessible::Window : QAccessible::Graphic)
{
}

SurfaceAccessible::~SurfaceAccessible()
{
    for (const auto &[label, id] : m_labelIds)
        QAccessible::deleteAccessibleInterface(id);
}

void SurfaceAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&surfaceFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

DrawingSurface *SurfaceAccessible::surface() const
{
    return static_cast<DrawingSurface *>(widget());
}

QAccessibleInterface *SurfaceAccessible::labelInterface(const WindowlessControl *label) const
{
    auto found = m_labelIds.find(label);
    if (found == m_labelIds.end())
        found = m_labelIds
                    .emplace(label, QAccessible::registerAccessibleInterface(new LabelAccessible(surface(), label)))
                    .first;
    return QAccessible::accessibleInterface(found->second);
}

int SurfaceAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + static_cast<int>(surface()->windowlessControls().size());
}

QAccessibleInterface *SurfaceAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const std::vector<const WindowlessControl *> labels = surface()->windowlessControls();
    const auto labelIndex = static_cast<std::size_t>(index - widgets);
    return labelIndex < labels.size() ? labelInterface(labels[labelIndex]) : nullptr;
}

int SurfaceAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child->role() == QAccessible::StaticText && !child->object()) {
        const std::vector<const WindowlessControl *> labels = surface()->windowlessControls();
        for (std::size_t i = 0; i < labels.size(); ++i)
            if (labelInterface(labels[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        return -1;
    }
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface *SurfaceAccessible::childAt(int x, int y) const
{
    if (QAccessibleInterface *control = QAccessibleWidget::childAt(x, y))
        return control;
    for (const WindowlessControl *label : surface()->windowlessControls())
        if (QAccessibleInterface *text = labelInterface(label); text->rect().contains(x, y) && label->Visible())
            return text;
    return nullptr;
}

} // namespace forms
