// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtconvert.h"

#include "pixelbuffer.h"

#include <QKeyEvent>

#include <map>
#include <tuple>

namespace forms::qt {

const QFont &toQt(const Font &font)
{
    // A program uses a handful of fonts, and measures text in them again and again.
    static std::map<std::tuple<std::string, int, bool>, QFont> fonts;
    auto found = fonts.find({font.family(), font.pixelSize(), font.bold()});
    if (found == fonts.end()) {
        QFont qtFont(QString::fromStdString(font.family()));
        qtFont.setStyleHint(QFont::SansSerif);
        qtFont.setPixelSize(font.pixelSize());
        qtFont.setWeight(font.bold() ? QFont::Bold : QFont::Normal);
        found = fonts.emplace(std::tuple(font.family(), font.pixelSize(), font.bold()), qtFont).first;
    }
    return found->second;
}

const QFontMetrics &metricsOf(const Font &font)
{
    static std::map<std::tuple<std::string, int, bool>, QFontMetrics> metrics;
    auto found = metrics.find({font.family(), font.pixelSize(), font.bold()});
    if (found == metrics.end())
        found = metrics.emplace(std::tuple(font.family(), font.pixelSize(), font.bold()), QFontMetrics(toQt(font))).first;
    return found->second;
}

QImage imageOf(PixelBuffer &picture, double ratio)
{
    QImage image(reinterpret_cast<uchar *>(picture.bits()), picture.width(), picture.height(),
                 picture.width() * static_cast<qsizetype>(sizeof(Pixel)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

QImage imageOf(const PixelBuffer &picture, double ratio)
{
    QImage image(reinterpret_cast<const uchar *>(picture.bits()), picture.width(), picture.height(),
                 picture.width() * static_cast<qsizetype>(sizeof(Pixel)), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

KeyPress keyPress(const QKeyEvent *event)
{
    using Key = KeyPress::Key;
    Key key = Key::Other;
    switch (event->key()) {
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_PageUp: key = Key::PageUp; break;
    case Qt::Key_PageDown: key = Key::PageDown; break;
    case Qt::Key_Home: key = Key::Home; break;
    case Qt::Key_End: key = Key::End; break;
    case Qt::Key_Return: key = Key::Return; break;
    case Qt::Key_Enter: key = Key::Enter; break;
    case Qt::Key_Space: key = Key::Space; break;
    case Qt::Key_Escape: key = Key::Escape; break;
    default: break;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return {.key = key,
            .shift = (modifiers & Qt::ShiftModifier) != 0,
            .command = (modifiers & ~Qt::ShiftModifier) != 0,
            .autoRepeat = event->isAutoRepeat()};
}

int buttonMask(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
           | (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftMask(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
           | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace forms::qt
