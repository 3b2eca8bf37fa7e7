#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!ponderival::prepareToStart()) {
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    ponderival::configureApplication();
    frmPonderival window;
    window.show();
    return QApplication::exec();
}
