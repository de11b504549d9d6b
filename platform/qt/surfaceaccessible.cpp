// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surfaceaccessible.h"

#include "drawingsurface.h"
#include "probeareawidget.h"
#include "qtconvert.h"
#include "speech.h"
#include "surfacewidget.h"
#include "text.h"
#include "windowlesscontrol.h"

#include <QPointer>

#include <algorithm>
#include <limits>

namespace forms::qt {

namespace {

// A windowless control as static text; its place is the control's on the surface. Its
// text interface reads its caption with broken words joined.
class LabelAccessible final : public QAccessibleInterface, public ReadOnlyText
{
public:
    LabelAccessible(SurfaceWidget *surface, const WindowlessControl *label) : m_surface(surface), m_label(label) {}

    bool isValid() const override
    {
        if (!m_surface)
            return false;
        const std::vector<const WindowlessControl *> labels = m_surface->surface().windowlessControls();
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
        return kind == QAccessible::Name && isValid() ? toQt(m_label->Caption()) : QString();
    }
    using ReadOnlyText::text;
    QString readText() const override { return isValid() ? toQt(JoinBrokenWords(m_label->Caption())) : QString(); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this) : nullptr;
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect area = toQt(m_label->hitRect());
        return QRect(m_surface->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !isValid() || !m_surface->surface().showsWindowless(m_label) || !m_surface->isVisible();
        return state;
    }

private:
    QPointer<SurfaceWidget> m_surface;
    const WindowlessControl *m_label;
};

// What a carrier says, for its text and its value, while nothing has been said yet.
QString carrierText(const QWidget *carrier)
{
    const QString said = Speech::spokenBy(carrier);
    return said.isEmpty() ? carrier->accessibleDescription() : said;
}

// Readers before Qt 6.8 speak the text of a focused spin box afresh when its value
// changes, and nothing of a focused picture's.
QAccessible::Role carrierRole(QAccessible::Role own)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    return own;
#else
    Q_UNUSED(own);
    return QAccessible::SpinBox;
#endif
}

// The part of a surface the keyboard explores, as a picture of its own that carries
// what is said while it has the focus.
class ProbeAreaAccessible final : public QAccessibleWidget, public ReadOnlyText, public QAccessibleValueInterface
{
public:
    explicit ProbeAreaAccessible(ProbeAreaWidget *area) : QAccessibleWidget(area, QAccessible::Graphic) {}

    QAccessible::Role role() const override { return carrierRole(QAccessible::Graphic); }
    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString readText() const override { return carrierText(widget()); }
    QVariant currentValue() const override { return Speech::countFor(widget()); }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return std::numeric_limits<int>::max(); }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *surfaceFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("forms::qt::SurfaceWidget") && object && object->isWidgetType())
        return new SurfaceAccessible(static_cast<SurfaceWidget *>(object));
    if (className == QLatin1String("forms::qt::ProbeAreaWidget") && object && object->isWidgetType())
        return new ProbeAreaAccessible(static_cast<ProbeAreaWidget *>(object));
    return nullptr;
}

} // namespace

SurfaceAccessible::SurfaceAccessible(SurfaceWidget *surface)
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

SurfaceWidget *SurfaceAccessible::surface() const
{
    return static_cast<SurfaceWidget *>(widget());
}

QAccessible::Role SurfaceAccessible::role() const
{
    const QAccessible::Role own = QAccessibleWidget::role();
    return surface()->surface().holdsOwnProbe() ? carrierRole(own) : own;
}

void *SurfaceAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (surface()->surface().holdsOwnProbe()) {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QString SurfaceAccessible::readText() const
{
    return carrierText(surface());
}

QVariant SurfaceAccessible::currentValue() const
{
    return Speech::countFor(surface());
}

QVariant SurfaceAccessible::maximumValue() const
{
    return std::numeric_limits<int>::max();
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

// Labels hidden or painted over are not there for a reader.
std::vector<const WindowlessControl *> SurfaceAccessible::exposedLabels() const
{
    std::vector<const WindowlessControl *> labels = surface()->surface().windowlessControls();
    std::erase_if(labels,
                  [this](const WindowlessControl *label) { return !surface()->surface().showsWindowless(label); });
    return labels;
}

int SurfaceAccessible::childCount() const
{
    return QAccessibleWidget::childCount() + static_cast<int>(exposedLabels().size());
}

QAccessibleInterface *SurfaceAccessible::child(int index) const
{
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets)
        return QAccessibleWidget::child(index);
    const std::vector<const WindowlessControl *> labels = exposedLabels();
    const auto labelIndex = static_cast<std::size_t>(index - widgets);
    return labelIndex < labels.size() ? labelInterface(labels[labelIndex]) : nullptr;
}

int SurfaceAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child->role() == QAccessible::StaticText && !child->object()) {
        const std::vector<const WindowlessControl *> labels = exposedLabels();
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
    for (const WindowlessControl *label : exposedLabels())
        if (QAccessibleInterface *text = labelInterface(label); text->rect().contains(x, y))
            return text;
    return nullptr;
}

} // namespace forms::qt
