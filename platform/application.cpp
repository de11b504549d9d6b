#include "application.h"

#include "formregistry.h"

namespace forms {

Application::Application(int &argc, char **argv, const QString &name) : QApplication(argc, argv)
{
    setApplicationName(name);
    setApplicationDisplayName(name);
    setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    FormRegistry::destroyAll();
}

} // namespace forms
