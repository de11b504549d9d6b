// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "speech.h"

#include "drawingsurface.h"
#include "probeareawidget.h"
#include "surfacewidget.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#else
#include <QAccessibleWidget>
#endif
#include <QApplication>
#include <QWidget>

namespace forms::qt {

namespace {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A notice: an empty widget that readers take for a notification, which they speak
// as it shows wherever the focus is. It paints nothing.
constexpr auto NoticeName = "forms_notice";

QAccessibleInterface *noticeFactory(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->objectName() == QLatin1String(NoticeName))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

void showNotice(QWidget *window, const QString &sentence)
{
    static QPointer<QWidget> notice;
    if (!notice || notice->window() != window) {
        static const bool installed = [] {
            QAccessible::installFactory(&noticeFactory);
            return true;
        }();
        Q_UNUSED(installed);
        delete notice;
        auto *created = new QWidget;
        created->setObjectName(QLatin1String(NoticeName));
        created->setParent(window);
        created->setAttribute(Qt::WA_TransparentForMouseEvents);
        created->setFocusPolicy(Qt::NoFocus);
        created->setGeometry(0, 0, 1, 1);
        notice = created;
    }
    notice->hide();
    notice->setAccessibleName(sentence);
    notice->show();
}
#endif

} // namespace

Speech &Speech::instance()
{
    static Speech *const speech = new Speech;
    return *speech;
}

bool Speech::isCarrier(const QWidget *widget)
{
    if (const auto *surface = qobject_cast<const SurfaceWidget *>(widget))
        return surface->surface().holdsOwnProbe();
    return qobject_cast<const ProbeAreaWidget *>(widget) != nullptr;
}

void Speech::say(QWidget *source, const QString &sentence)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QObject *about = source ? static_cast<QObject *>(source) : qApp;
    QAccessibleAnnouncementEvent event(about, sentence);
    QAccessible::updateAccessibility(&event);
    emit said(about);
#else
    // Readers speak a value change of the focused object, and read its text afresh.
    if (QWidget *focused = QApplication::focusWidget(); focused && isCarrier(focused)) {
        m_lastCarrier = focused;
        m_lastSaid = sentence;
        ++m_count;
        QAccessibleValueChangeEvent event(focused, m_count);
        QAccessible::updateAccessibility(&event);
        emit said(focused);
    } else if (QWidget *window = source ? source->window() : QApplication::activeWindow();
               window && QAccessible::isActive()) {
        showNotice(window, sentence);
        emit said(window);
    }
#endif
}

QString Speech::spokenBy(const QWidget *carrier)
{
    const Speech &self = instance();
    return carrier && self.m_lastCarrier == carrier ? self.m_lastSaid : QString();
}

int Speech::countFor(const QWidget *carrier)
{
    const Speech &self = instance();
    return carrier && self.m_lastCarrier == carrier ? self.m_count : 0;
}

} // namespace forms::qt
