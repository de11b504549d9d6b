#include "frmtessaro.h"

#include "application.h"
#include "formregistry.h"

#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    forms::Application app(argc, argv, QStringLiteral("Tessaro"));
    // The menu entry's picture in every size the resources hold, so the windows show it
    // even where the icon theme is not installed; the desktop file name lets the desktop
    // match the windows to their menu entry.
    QIcon icon;
    for (const QFileInfo &file : QDir(QStringLiteral(":/icons")).entryInfoList(QDir::Files))
        icon.addFile(file.filePath());
    app.setWindowIcon(icon);
    app.setDesktopFileName(QStringLiteral("de.farbenlehre.Tessaro"));
    forms::FormRegistry::instance<frmTessaro>().Show();
    return app.exec();
}
