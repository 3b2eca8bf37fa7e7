#include "errorreport.h"

#include <QMessageBox>

QString runtimeErrorText(const ponderival::RuntimeError &error)
{
    return QStringLiteral("Errore di run-time '%1':\n\n%2")
        .arg(error.number())
        .arg(QString::fromStdString(error.description()));
}

void showRuntimeErrorMessage(QWidget *parent, const ponderival::RuntimeError &error)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Ponderival"), runtimeErrorText(error),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("runtimeErrorMessage"));
    box.exec();
}
