#pragma once

namespace forms {

// The primary screen's size in twips, 15 to a logical pixel.
class Screen
{
public:
    static float Width();
    static float Height();
};

} // namespace forms
