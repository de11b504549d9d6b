// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "signal.h"

#include <string>
#include <vector>

namespace forms {

class Element;

// Short sentences for screen readers, and when they are said. Sentences given in one
// turn of the event loop are said together, joined; a settled sentence is said once
// the readout it tells has rested, so a pointer gliding over colours is not talked
// over, and not again while it stays the last one said so; news about the element a
// readout was waiting on drops that readout. How a sentence reaches a reader is the
// front end's. It knows nothing of what the sentences say.
class Announcer
{
public:
    // Long enough for a glide of the pointer or a held arrow key to pass between readouts.
    static constexpr int SettleMilliseconds = 350;

    // Said at the next turn of the event loop.
    static void announce(const Element *source, const std::string &sentence);
    // Said once no other settled sentence has followed for a moment.
    static void announceSettled(const Element *source, const std::string &sentence);
    // The element is going away: nothing more is said about it.
    static void forget(const Element *source);

    // The last sentence said, and a report of each.
    static const std::string &lastSentence();
    static Signal<const std::string &> &said();

private:
    static Announcer &instance();
    void flush();
    void settle();
    void say(const Element *source, const std::string &sentence);

    const Element *m_pendingSource = nullptr;
    std::vector<std::string> m_pending;
    bool m_flushScheduled = false;
    const Element *m_settledSource = nullptr;
    std::string m_settled;
    std::string m_lastSettled;
    int m_settleTimer = 0;
    std::string m_lastSentence;
    Signal<const std::string &> m_said;
};

} // namespace forms
