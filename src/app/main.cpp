// Starts the program: one window, opened in the current directory. Without a display it says so in one line
// and exits, before Qt would abort with a core dump.
#include "app/displaycheck.h"
#include "app/form1.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const std::string problem = DisplayCheck::problem(argc, argv); !problem.empty()) {
        std::fprintf(stderr, "cantorix2: cannot open a display: %s\n", problem.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantorix2"));
    Form1 window;
    window.show();
    return QApplication::exec();
}
