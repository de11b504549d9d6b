// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readonlytext.h"

#include <algorithm>

namespace forms::qt {

void ReadOnlyText::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

QString ReadOnlyText::text(int startOffset, int endOffset) const
{
    const QString all = readText();
    const auto size = static_cast<int>(all.size());
    const int start = std::clamp(startOffset, 0, size);
    const int end = endOffset < 0 ? size : std::clamp(endOffset, start, size);
    return all.mid(start, end - start);
}

// One run without attributes over the whole text: readers build a line from the runs,
// and empty runs at each offset made Orca 43 drop the last character ("22" for 220).
QString ReadOnlyText::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace forms::qt
