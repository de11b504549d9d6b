#include "formstest.h"

#include "doevents.h"
#include "formregistry.h"
#include "runtimeerror.h"

#include <QAbstractButton>
#include <QWindow>
#include <QTest>

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

QString describe(forms::Colour colour)
{
    return QStringLiteral("(%1, %2, %3)").arg(colour & 0xFF).arg((colour >> 8) & 0xFF).arg((colour >> 16) & 0xFF);
}

} // namespace formstest
