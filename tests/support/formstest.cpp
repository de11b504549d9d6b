#include "formstest.h"

#include "doevents.h"
#include "fonts.h"
#include "formregistry.h"
#include "label.h"
#include "runtimeerror.h"

#include <QAbstractButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>

namespace formstest {

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform says so whenever a window gets a fixed size or is raised;
// that is not worth a line in every test.
void quietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void prepare()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(quietOffscreenNotes);
    forms::Pacing::setEnabled(false);
    forms::SetRuntimeErrorHandler([](const QString &message) { throw RuntimeErrorRaised(message); });
}

void reset()
{
    forms::FormRegistry::destroyAll();
    forms::FormRegistry::resetProgramEnded();
    QCoreApplication::processEvents();
}

QPoint pixelOf(const forms::DrawingSurface *surface, float x, float y)
{
    const QPointF device = surface->mapping().toDevice(x, y);
    const double dpr = surface->mapping().devicePixelRatio();
    return QPoint(static_cast<int>(std::floor(device.x() / dpr)), static_cast<int>(std::floor(device.y() / dpr)));
}

void pointTo(forms::DrawingSurface *surface, float x, float y)
{
    QTest::mouseMove(surface, pixelOf(surface, x, y));
}

void clickAt(forms::DrawingSurface *surface, float x, float y)
{
    const QPoint pixel = pixelOf(surface, x, y);
    QTest::mouseMove(surface, pixel);
    QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, pixel);
}

void pressKey(QAbstractButton *button, Qt::Key key)
{
    QWindow *window = button->window()->windowHandle();
    for (int tabs = 0; tabs < 20 && button->window()->focusWidget() != button; ++tabs)
        QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
}

QString accessibleText(QObject *object, QAccessible::Text kind)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(kind) : QStringLiteral("(none)");
}

bool designFits(const QWidget *window, QSize inner)
{
    const QSize outer = inner.grownBy(window->windowHandle()->frameMargins());
    const QSize available = window->screen()->availableGeometry().size();
    return outer.width() <= available.width() && outer.height() <= available.height();
}

bool withinScreen(const QWidget *window)
{
    return window->screen()->availableGeometry().contains(window->frameGeometry());
}

bool centredOver(const QWidget *window, const QWidget *other)
{
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint offset = frame.center() - other->frameGeometry().center();
    // Off centre only where the screen's edge pushed it.
    return (std::abs(offset.x()) <= 1
            || (offset.x() > 0 ? frame.left() == available.left() : frame.right() == available.right()))
           && (std::abs(offset.y()) <= 1
               || (offset.y() > 0 ? frame.top() == available.top() : frame.bottom() == available.bottom()));
}

bool readable(const forms::Label *label)
{
    const QFont font = label->paintedFont();
    return font.pixelSize() >= forms::ReadablePixelSize
           && forms::TextFits(font, label->Caption(), label->pixelRect().size(), forms::TextFlow::WordWrap)
           && label->container()->rect().contains(label->pixelRect());
}

QString describe(forms::Colour colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour & 0xFF).arg((colour >> 8) & 0xFF).arg((colour >> 16) & 0xFF);
}

} // namespace formstest
