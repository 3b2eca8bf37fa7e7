#pragma once

#include "controlpanel.h"
#include "errorreport.h"

#include <QWidget>

#include <memory>

class QTimer;

namespace Ui {
class frmPonderival;
}

// The program's one window. Its controls come from frmponderival.ui; this class only connects
// their events to the search's procedures and reports an error that reaches an event.
class frmPonderival : public QWidget
{
    Q_OBJECT

public:
    explicit frmPonderival(QWidget *parent = nullptr);
    ~frmPonderival() override;
    frmPonderival(const frmPonderival &) = delete;
    frmPonderival &operator=(const frmPonderival &) = delete;
    frmPonderival(frmPonderival &&) = delete;
    frmPonderival &operator=(frmPonderival &&) = delete;

    void setErrorReporter(ErrorReporter reporter);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void cmdEsc_Click();
    void handleEvent(void (*procedure)(ponderival::Panel &));
    void endWithError(const ponderival::RuntimeError &error);

    std::unique_ptr<Ui::frmPonderival> m_ui;
    QTimer *m_timer1;
    std::unique_ptr<ControlPanel> m_panel;
    ErrorReporter m_reportError;
};
