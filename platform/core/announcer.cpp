// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include "frontend.h"
#include "text.h"

namespace forms {

Announcer &Announcer::instance()
{
    static Announcer *const announcer = new Announcer;
    return *announcer;
}

void Announcer::announce(const Element *source, const std::string &sentence)
{
    Announcer &self = instance();
    if (sentence.empty())
        return;
    // What the user just did there is news; the readout that led up to it is not.
    if (source == self.m_settledSource && self.m_settleTimer) {
        FrontEnd::current().stopTimer(self.m_settleTimer);
        self.m_settleTimer = 0;
    }
    if (!self.m_pendingSource)
        self.m_pendingSource = source;
    self.m_pending.push_back(sentence);
    if (!self.m_flushScheduled) {
        self.m_flushScheduled = true;
        FrontEnd::current().post([] { instance().flush(); });
    }
}

void Announcer::announceSettled(const Element *source, const std::string &sentence)
{
    Announcer &self = instance();
    self.m_settledSource = source;
    self.m_settled = sentence;
    FrontEnd &frontEnd = FrontEnd::current();
    if (self.m_settleTimer)
        frontEnd.stopTimer(self.m_settleTimer);
    self.m_settleTimer = frontEnd.startTimer(SettleMilliseconds, [] {
        instance().m_settleTimer = 0;
        instance().settle();
    });
}

void Announcer::forget(const Element *source)
{
    Announcer &self = instance();
    if (self.m_pendingSource == source)
        self.m_pendingSource = nullptr;
    if (self.m_settledSource == source)
        self.m_settledSource = nullptr;
}

void Announcer::flush()
{
    m_flushScheduled = false;
    const std::string sentence = Join(m_pending, ". ");
    const Element *source = m_pendingSource;
    m_pending.clear();
    m_pendingSource = nullptr;
    say(source, sentence);
}

void Announcer::settle()
{
    if (m_settled.empty() || m_settled == m_lastSettled)
        return;
    m_lastSettled = m_settled;
    say(m_settledSource, m_settled);
}

void Announcer::say(const Element *source, const std::string &sentence)
{
    m_lastSentence = sentence;
    if (sentence.empty())
        return;
    FrontEnd::current().say(source, sentence);
    m_said.report(sentence);
}

const std::string &Announcer::lastSentence()
{
    return instance().m_lastSentence;
}

Signal<const std::string &> &Announcer::said()
{
    return instance().m_said;
}

} // namespace forms
