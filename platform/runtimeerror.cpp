#include "runtimeerror.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace forms {

namespace {
RuntimeErrorHandler &installedHandler()
{
    static RuntimeErrorHandler handler;
    return handler;
}
} // namespace

void SetRuntimeErrorHandler(RuntimeErrorHandler handler)
{
    installedHandler() = std::move(handler);
}

void RaiseRuntimeError(const QString &message)
{
    if (installedHandler())
        installedHandler()(message);
    std::fprintf(stderr, "Laufzeitfehler: %s\n", qPrintable(message));
    std::fflush(stderr);
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, QApplication::applicationDisplayName(),
                              QStringLiteral("Laufzeitfehler:\n\n%1").arg(message));
    std::_Exit(EXIT_FAILURE);
}

} // namespace forms
