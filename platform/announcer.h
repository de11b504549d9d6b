// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <vector>

class QWidget;

namespace forms {

// Short sentences for screen readers, said in the way each Qt reaches them: from Qt
// 6.8 as announcements; before it as a change of the focused carrier (a surface the
// keyboard explores), since readers drop changes of any object but the one with the
// focus and cannot read the names Qt sends with a name change, or, while the focus is
// elsewhere, as a notification shown in the window. Sentences given in one
// turn of the event loop are said together; a settled sentence is said once the
// readout it tells has rested, so a pointer gliding over colours is not talked over.
// It knows nothing of what the sentences say.
class Announcer final : public QObject
{
    Q_OBJECT

public:
    static Announcer &instance();

    // Said at the next turn of the event loop.
    static void announce(QWidget *source, const QString &sentence);
    // Said once no other settled sentence has followed for a moment; not again while
    // it stays the last one said so.
    static void announceSettled(QWidget *source, const QString &sentence);

    // Widgets that say what they are given while they have the focus.
    static void addCarrier(QWidget *carrier);
    static bool isCarrier(const QWidget *widget);
    // What the carrier says now, and how many sentences it has said: its value, which
    // changes with every sentence.
    static QString spokenBy(const QWidget *carrier);
    static int countFor(const QWidget *carrier);

    // The last sentence said.
    static QString lastSentence() { return instance().m_lastSentence; }

signals:
    // A sentence was said, as an announcement about the object or, before Qt 6.8, as a
    // change of the focused carrier; the accessibility events go only where assistive
    // tools listen.
    void said(QObject *about);

private:
    Announcer();
    void flush();
    void settle();
    void say(QWidget *source, const QString &sentence);

    QTimer m_settle;
    QPointer<QWidget> m_pendingSource;
    QStringList m_pending;
    QPointer<QWidget> m_settledSource;
    QString m_settled;
    QString m_lastSettled;
    bool m_flushScheduled = false;
    std::vector<QPointer<QWidget>> m_carriers;
    QPointer<QWidget> m_lastCarrier;
    QString m_lastSaid;
    QString m_lastSentence;
    int m_count = 0;
};

} // namespace forms
