// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace forms {

// Marks a program handler (or a yield inside one) as running. While any is on the
// stack no form may be destroyed; this unit only counts them and reports when the
// outermost has ended, and whoever keeps unloaded forms waits for that.
class HandlerScope
{
public:
    HandlerScope();
    ~HandlerScope();
    HandlerScope(const HandlerScope &) = delete;
    HandlerScope &operator=(const HandlerScope &) = delete;

    static bool anyRunning() { return s_depth > 0; }

private:
    static inline int s_depth = 0;
};

// Where the end of the outermost handler is reported.
class HandlerDepth final : public QObject
{
    Q_OBJECT

public:
    static HandlerDepth &instance();

signals:
    void outermostEnded();

private:
    HandlerDepth() = default;
};

} // namespace forms
