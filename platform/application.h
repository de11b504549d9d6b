#pragma once

#include <QApplication>

namespace forms {

// The application of a forms program: it ends when no form is loaded, not when the
// last window closes, shows a runtime error's message before the program ends, and
// destroys its forms before Qt goes down.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv, const QString &name);
    ~Application() override;
};

} // namespace forms
