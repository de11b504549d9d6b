// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace forms::qt {

// Says a sentence to screen readers in the way each Qt reaches them: from Qt 6.8 as an
// announcement; before it as a change of the focused carrier (a surface the keyboard
// explores), since readers drop changes of any object but the one with the focus and
// cannot read the names Qt sends with a name change, or, while the focus is elsewhere,
// as a notification shown in the window.
class Speech final : public QObject
{
    Q_OBJECT

public:
    static Speech &instance();

    void say(QWidget *source, const QString &sentence);

    // Widgets that say what they are given while they have the focus: the holders of a
    // keyboard probe.
    static bool isCarrier(const QWidget *widget);
    // What the carrier says now, and how many sentences it has said: its value, which
    // changes with every sentence.
    static QString spokenBy(const QWidget *carrier);
    static int countFor(const QWidget *carrier);

signals:
    // A sentence was said, as an announcement about the object or, before Qt 6.8, as a
    // change of the focused carrier; the accessibility events go only where assistive
    // tools listen.
    void said(QObject *about);

private:
    Speech() = default;

    QPointer<QWidget> m_lastCarrier;
    QString m_lastSaid;
    int m_count = 0;
};

} // namespace forms::qt
