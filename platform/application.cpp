#include "application.h"

#include "formregistry.h"

namespace forms {

Application::Application(int &argc, char **argv, const QString &name) : QApplication(argc, argv)
{
    // No display name: Qt would append it to every window's caption.
    setApplicationName(name);
    setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    FormRegistry::destroyAll();
}

} // namespace forms
