#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return EXIT_FAILURE;
    }
    // The program takes no command line: Qt is handed the program's name alone, so none of its
    // own options (-reverse, -stylesheet, -style, -platform ...) can change the window.
    int qtArgumentCount = argc > 0 ? 1 : 0;
    QApplication app(qtArgumentCount, argv);
    ponderival::configureApplication();
    ponderival::qt::frmPonderival window;
    window.show();
    return QApplication::exec();
}
