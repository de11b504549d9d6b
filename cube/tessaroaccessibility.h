#pragma once

#include <QObject>

class frmTessaro;

// What a screen reader and the keyboard are given of the colour cube's window, which
// shows nearly everything by colour alone: the cube, the cut shown in the section
// square, and the colour equation, each part named with its value; the cube and the
// square to explore with the arrow keys once the cube is drawn; and, said aloud, the
// drawn cube, each new cut and the colour the pointer or the probe rests on. It
// listens to the same events as the window's handlers, connected after them, and
// reads what they left on screen; it changes nothing that is drawn.
class TessaroAccessibility : public QObject
{
public:
    explicit TessaroAccessibility(frmTessaro *form);

private:
    void cubeDrawn();
    void describeCube(bool drawn);
    QString describeSection();
    void nameEquation(bool analysed);
    void pointedAtCube();
    void clickedCube();

    frmTessaro *m_form;
    // A cut needs a move over the cube first: a click after none runs no cut.
    bool m_movedOverCube = false;
};
