// Starts the program: one window, opened in the current directory.
#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantorix2"));
    Form1 window;
    window.show();
    return QApplication::exec();
}
