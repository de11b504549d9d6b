#pragma once

#include <QObject>

class frmRundali;

namespace forms {
class ProbeArea;
}

// What a screen reader and the keyboard are given of the circle window: the three
// readout boxes by the colour they read, the window by the figure it shows, the figure
// as an area after the designed controls whose probe the arrow keys move, and, said
// aloud, each figure as it starts and ends and the colour the pointer or the probe
// rests on. It must be made before the window's handlers are connected, so that a
// figure is described as it starts, and told to follow them once they are, so that
// it hears a figure end; it changes nothing that is drawn.
class RundaliAccessibility : public QObject
{
public:
    explicit RundaliAccessibility(frmRundali *form);

    void followHandlers();

private:
    void describe(const QString &figure);
    void figureStarts(const QString &figure);
    void figureEnds();

    frmRundali *m_form;
    forms::ProbeArea *m_figureArea;
    // Figures being drawn, one inside another's yields.
    int m_drawing = 0;
};
