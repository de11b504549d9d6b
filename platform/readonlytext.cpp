#include "readonlytext.h"

#include <algorithm>

namespace forms {

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

QString ReadOnlyText::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace forms
