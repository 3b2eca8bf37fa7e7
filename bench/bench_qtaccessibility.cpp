#include "accessiblefactory.h"
#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

#include <cstdlib>

// The program with Qt's own accessible interfaces and events only, as it was before its window
// paced them: the screen-reader rows of the benchmark table set the program beside it.
int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return EXIT_FAILURE;
    }
    int qtArgumentCount = argc > 0 ? 1 : 0;
    QApplication app(qtArgumentCount, argv);
    ponderival::configureApplication();
    keepQtAccessibility();
    frmPonderival window;
    window.show();
    return QApplication::exec();
}
