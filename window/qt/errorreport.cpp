#include "errorreport.h"

#include "qtform.h"

#include <QMessageBox>

namespace ponderival::qt {

void showRuntimeErrorMessage(QWidget *parent, const RuntimeError &error)
{
    QMessageBox box(QMessageBox::Critical, toQString(runtimeErrorTitle),
                    toQString(runtimeErrorText(error)), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("runtimeErrorMessage"));
    box.exec();
}

} // namespace ponderival::qt
