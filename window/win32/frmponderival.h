#pragma once

#include "controlpanel.h"
#include "errorreport.h"
#include "formcontrols.h"
#include "panel.h"
#include "precisetimer.h"

#include <memory>
#include <windows.h>

// The program's one window: a popup without border or title, built from the description, whose
// controls' events run the search's procedures. An error that reaches an event is reported here,
// with Timer1 stopped first, and ends the window with status 1.
class frmPonderival
{
public:
    frmPonderival();
    // Destroys the window if it is still there, without asking the program to end.
    ~frmPonderival();
    frmPonderival(const frmPonderival &) = delete;
    frmPonderival &operator=(const frmPonderival &) = delete;
    frmPonderival(frmPonderival &&) = delete;
    frmPonderival &operator=(frmPonderival &&) = delete;

    // Shows the window with the focus on cmdStop.
    void show(int showCommand);
    void setErrorReporter(ErrorReporter reporter);

    // Null once the window has been destroyed.
    [[nodiscard]] HWND handle() const { return m_window; }
    [[nodiscard]] HWND control(std::string_view name) const { return m_controls->handle(name); }

    // Timer1, which the event loop waits on beside the messages.
    [[nodiscard]] const ponderival::win32::PreciseTimer &timer1() const { return m_timer1; }
    // The event loop calls this when Timer1's handle was signalled.
    void timer1Signalled();

private:
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void onCommand(HWND hwnd, int id, HWND control, UINT notification);
    void onDrawItem(HWND hwnd, const DRAWITEMSTRUCT *item);
    HBRUSH onCtlColorStatic(HWND hwnd, HDC context, HWND label, int type);
    void onActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void onSetFocus(HWND hwnd, HWND previous);
    void onClose(HWND hwnd);
    void onDestroy(HWND hwnd);
    void onNCDestroy(HWND hwnd);
    LRESULT onGetDefId() const;
    void onDpiChanged(UINT dpi, const RECT &suggested);

    void placeOnMonitor(UINT dpi);
    void cmdEsc_Click();
    void handleEvent(void (*procedure)(ponderival::Panel &));
    void endWithError(const ponderival::RuntimeError &error) noexcept;

    HWND m_window = nullptr;
    UINT m_dpi = 96;
    HWND m_lastFocus = nullptr;
    int m_exitStatus = EXIT_SUCCESS;
    ponderival::win32::PreciseTimer m_timer1{10};
    std::unique_ptr<ponderival::win32::FormControls> m_controls;
    std::unique_ptr<ControlPanel> m_panel;
    ErrorReporter m_reportError;
};
