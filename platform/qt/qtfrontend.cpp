// SPDX-FileCopyrightText: 2026 Farbenlehre-Projekt
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtfrontend.h"

#include "buttonwidget.h"
#include "commandbutton.h"
#include "devicepixels.h"
#include "doevents.h"
#include "element.h"
#include "formwindow.h"
#include "picturebox.h"
#include "picturewidget.h"
#include "presenter.h"
#include "probearea.h"
#include "probeareawidget.h"
#include "qtconvert.h"
#include "speech.h"
#include "surfaceaccessible.h"
#include "textbox.h"
#include "textboxwidget.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QTimer>

namespace forms::qt {

namespace {

// The widget of the surface a control is placed on.
QWidget *containerWidget(const Control &control)
{
    return dynamic_cast<QWidget *>(&control.container()->surfacePeer());
}

} // namespace

QtFrontEnd::QtFrontEnd()
{
    // Surfaces and probe areas answer assistive tools with what they show and carry.
    SurfaceAccessible::install();
}

Size QtFrontEnd::screenSize() const
{
    return fromQt(QGuiApplication::primaryScreen()->geometry().size());
}

double QtFrontEnd::refreshRate() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->refreshRate() : 0;
}

Colour QtFrontEnd::defaultBackColor() const
{
    const QColor face = QApplication::palette().color(QPalette::Button);
    return RGB(face.red(), face.green(), face.blue());
}

Point QtFrontEnd::devicePixelAt(PointF logical, double ratio) const
{
    return fromQt(qt::devicePixelAt(QPointF(logical.x(), logical.y()), ratio));
}

std::unique_ptr<WindowPeer> QtFrontEnd::createWindow(Form &form)
{
    return std::make_unique<FormWindow>(form);
}

std::unique_ptr<PicturePeer> QtFrontEnd::createPicture(PictureBox &picture)
{
    return std::make_unique<PictureWidget>(picture, containerWidget(picture));
}

std::unique_ptr<ButtonPeer> QtFrontEnd::createButton(CommandButton &button)
{
    return std::make_unique<ButtonWidget>(button, containerWidget(button));
}

std::unique_ptr<TextBoxPeer> QtFrontEnd::createTextBox(TextBox &box)
{
    return std::make_unique<TextBoxWidget>(box, containerWidget(box));
}

std::unique_ptr<ProbeAreaPeer> QtFrontEnd::createProbeArea(ProbeArea &area)
{
    return std::make_unique<ProbeAreaWidget>(area, containerWidget(area));
}

bool QtFrontEnd::textFits(const Font &font, const std::string &text, Size area, TextFlow flow) const
{
    const QFontMetrics &metrics = metricsOf(font);
    const QString shown = toQt(text);
    if (flow == TextFlow::SingleLine)
        return metrics.horizontalAdvance(shown) <= area.width() && metrics.height() <= area.height();
    const QRect needed = metrics.boundingRect(QRect(0, 0, area.width(), 1 << 20),
                                              Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, shown);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

void QtFrontEnd::paintLabel(PixelBuffer &picture, Point origin, double ratio, const LabelLook &look) const
{
    QImage image = imageOf(picture, ratio);
    QPainter painter(&image);
    painter.translate(-QPointF(toQt(origin)) / ratio);
    const QRect area = toQt(look.area);
    painter.fillRect(area, toQColor(look.backColor));
    painter.setFont(toQt(look.font));
    painter.setPen(toQColor(look.foreColor));
    const int horizontal = look.alignment == LabelLook::Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    painter.drawText(area, horizontal | Qt::AlignTop | Qt::TextWordWrap, toQt(look.caption));
}

void QtFrontEnd::yieldForInput()
{
    if (!Pacing::enabled()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QDeadlineTimer frame(Pacing::frameMilliseconds(), Qt::PreciseTimer);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    const qint64 remaining = frame.remainingTime();
    if (remaining > 0) {
        QEventLoop wait;
        QTimer::singleShot(static_cast<int>(remaining), Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
}

void QtFrontEnd::yieldForPainting()
{
    if (!Pacing::enabled()) {
        Presenter::presentAll(Presenter::Timing::Soon);
        return;
    }
    QDeadlineTimer frame(Pacing::frameMilliseconds(), Qt::PreciseTimer);
    Presenter::presentAll(Presenter::Timing::AtOnce);
    const qint64 remaining = frame.remainingTime();
    if (remaining > 0)
        QThread::msleep(static_cast<unsigned long>(remaining));
}

void QtFrontEnd::post(std::function<void()> function)
{
    QMetaObject::invokeMethod(qApp, std::move(function), Qt::QueuedConnection);
}

int QtFrontEnd::startTimer(int milliseconds, std::function<void()> function)
{
    const int id = ++m_lastTimer;
    auto *timer = new QTimer(qApp);
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer, &QTimer::timeout, timer, [this, id, timer, function = std::move(function)] {
        m_timers.erase(id);
        timer->deleteLater();
        function();
    });
    m_timers[id] = timer;
    timer->start(milliseconds);
    return id;
}

void QtFrontEnd::stopTimer(int timer)
{
    if (const auto found = m_timers.find(timer); found != m_timers.end()) {
        found->second->stop();
        found->second->deleteLater();
        m_timers.erase(found);
    }
}

QWidget *QtFrontEnd::widgetOf(const Element *element)
{
    return element ? dynamic_cast<QWidget *>(element->elementPeer()) : nullptr;
}

void QtFrontEnd::say(const Element *source, const std::string &sentence)
{
    Speech::instance().say(widgetOf(source), toQt(sentence));
}

void QtFrontEnd::showRuntimeError(const std::string &message)
{
    QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                          QStringLiteral("Laufzeitfehler:\n\n%1").arg(toQt(message)));
}

void QtFrontEnd::quit(int status)
{
    QCoreApplication::exit(status);
}

} // namespace forms::qt
