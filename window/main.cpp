#include "frmponderival.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!ponderival::displayAvailable()) {
        return EXIT_FAILURE;
    }
    ponderival::exitCleanlyOnFatalMessages();
    QApplication app(argc, argv);
    ponderival::configureApplication();
    frmPonderival window;
    window.show();
    return QApplication::exec();
}
