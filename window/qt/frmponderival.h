#pragma once

#include "formcontrols.h"
#include "windowmodel.h"
#include "windowport.h"

#include <QTimer>
#include <QWidget>

namespace ponderival::qt {

class StatusArea;

// The program's one window, built from its description: Qt's port of the window's model.
class frmPonderival : public QWidget, private WindowPort
{
    Q_OBJECT

public:
    explicit frmPonderival(QWidget *parent = nullptr);
    ~frmPonderival() override;
    frmPonderival(const frmPonderival &) = delete;
    frmPonderival &operator=(const frmPonderival &) = delete;
    frmPonderival(frmPonderival &&) = delete;
    frmPonderival &operator=(frmPonderival &&) = delete;

    using QWidget::close;

    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    // The search's state, for tests that start it part-way through.
    [[nodiscard]] WindowModel &model() { return m_model; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void showText(Field field, std::string_view text) override;
    void setStopCaption(std::string_view caption) override;
    void setStopFace(Colour face) override;
    void startTicks(std::chrono::milliseconds interval) override { m_timer1->start(interval); }
    void stopTicks() override { m_timer1->stop(); }
    void say(const Announcement &announcement) override;
    void nameField(Field field, std::string_view name) override;
    void describeStop(std::string_view description) override;
    void reportError(const RuntimeError &error) override { m_reportError(error); }
    void close(int exitStatus) override;

    FormControls m_controls;
    QTimer *m_timer1;
    StatusArea *m_statusArea;
    ErrorReporter m_reportError;
    WindowModel m_model;
};

} // namespace ponderival::qt
