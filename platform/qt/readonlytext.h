// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleTextInterface>
#include <QRect>

namespace forms::qt {

// The text interface of an accessible whose text a reader may read but not select or
// edit: no selection, the caret before the first character, no geometry of its own.
// Whoever derives from it says what the text is.
class ReadOnlyText : public QAccessibleTextInterface
{
public:
    virtual QString readText() const = 0;

    void selection(int, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return static_cast<int>(readText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override;
};

} // namespace forms::qt
