// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QAccessible>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#else
#include <QAccessibleWidget>
#endif
#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace forms {

namespace {
// Long enough for a glide of the pointer or a held arrow key to pass between readouts.
constexpr int SettleMilliseconds = 350;

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

Announcer &Announcer::instance()
{
    static Announcer *const announcer = new Announcer;
    return *announcer;
}

Announcer::Announcer()
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &Announcer::settle);
}

void Announcer::announce(QWidget *source, const QString &sentence)
{
    Announcer &self = instance();
    if (sentence.isEmpty())
        return;
    // What the user just did there is news; the readout that led up to it is not.
    if (source == self.m_settledSource)
        self.m_settle.stop();
    if (!self.m_pendingSource)
        self.m_pendingSource = source;
    self.m_pending.append(sentence);
    if (!self.m_flushScheduled) {
        self.m_flushScheduled = true;
        QMetaObject::invokeMethod(&self, &Announcer::flush, Qt::QueuedConnection);
    }
}

void Announcer::announceSettled(QWidget *source, const QString &sentence)
{
    Announcer &self = instance();
    self.m_settledSource = source;
    self.m_settled = sentence;
    self.m_settle.start();
}

void Announcer::flush()
{
    m_flushScheduled = false;
    const QString sentence = m_pending.join(QStringLiteral(". "));
    QWidget *source = m_pendingSource;
    m_pending.clear();
    m_pendingSource = nullptr;
    say(source, sentence);
}

void Announcer::settle()
{
    if (m_settled.isEmpty() || m_settled == m_lastSettled)
        return;
    m_lastSettled = m_settled;
    say(m_settledSource, m_settled);
}

void Announcer::say(QWidget *source, const QString &sentence)
{
    m_lastSentence = sentence;
    if (sentence.isEmpty())
        return;
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

void Announcer::addCarrier(QWidget *carrier)
{
    Announcer &self = instance();
    std::erase_if(self.m_carriers, [](const QPointer<QWidget> &known) { return known.isNull(); });
    if (!isCarrier(carrier))
        self.m_carriers.emplace_back(carrier);
}

bool Announcer::isCarrier(const QWidget *widget)
{
    const auto &carriers = instance().m_carriers;
    return widget && std::any_of(carriers.begin(), carriers.end(),
                                 [widget](const QPointer<QWidget> &known) { return known == widget; });
}

QString Announcer::spokenBy(const QWidget *carrier)
{
    const Announcer &self = instance();
    return carrier && self.m_lastCarrier == carrier ? self.m_lastSaid : QString();
}

int Announcer::countFor(const QWidget *carrier)
{
    const Announcer &self = instance();
    return carrier && self.m_lastCarrier == carrier ? self.m_count : 0;
}

} // namespace forms
