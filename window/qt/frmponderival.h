#pragma once

#include "controlpanel.h"
#include "formcontrols.h"

#include <QWidget>

class QTimer;

namespace ponderival::qt {

// The program's one window, built from its description. This class only connects the controls'
// events to the search's procedures; the search's panel reports an error that reaches an event.
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

    FormControls m_controls;
    QTimer *m_timer1;
    ControlPanel m_panel;
};

} // namespace ponderival::qt
