#pragma once

#include "controlpanel.h"
#include "formcontrols.h"
#include "frmponderivaldescription.h"
#include "precisetimer.h"
#include "windowpanel.h"

#include <string_view>
#include <windows.h>

namespace ponderival::win32 {

// The program's one window: a popup without border or title, built from the description when it
// is created, whose controls' events run the search's procedures through its ControlPanel.
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

    // Shows the window at its described size with the focus on cmdStop. A request to maximise
    // shows it as it is; a request to minimise is kept.
    void show(int showCommand);
    void setErrorReporter(ErrorReporter reporter);

    // Null once the window has been destroyed.
    [[nodiscard]] HWND handle() const { return m_window; }
    // A control by its described name, for those who look at the window from outside.
    [[nodiscard]] HWND control(std::string_view name) const;

    // Timer1, which the event loop waits on beside the messages.
    [[nodiscard]] const PreciseTimer &timer1() const { return m_timer1; }
    // The event loop calls this when Timer1's handle was signalled.
    void timer1Signalled();
    // Destroys the window with its controls and Timer1; the program then ends.
    void unload();

private:
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onFailure(UINT message) noexcept;

    BOOL onCreate(HWND hwnd, LPCREATESTRUCTW creation);
    void onCommand(HWND hwnd, int id, HWND control, UINT notification);
    void onDrawItem(HWND hwnd, const DRAWITEMSTRUCT *item);
    HBRUSH onCtlColorStatic(HWND hwnd, HDC context, HWND label, int type);
    void onActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void onSetFocus(HWND hwnd, HWND previous);
    HWND onNextDlgCtl(HWND hwnd, HWND target, BOOL targetIsHandle);
    void onClose(HWND hwnd);
    void onDestroy(HWND hwnd);
    void onNCDestroy(HWND hwnd);
    LRESULT onGetDefId() const;
    void onDpiChanged(UINT dpi, const RECT &suggested);

    void placeOnMonitor(UINT dpi);
    [[nodiscard]] bool takesFocus(HWND control) const;
    void cmdEsc_Click();

    HWND m_window = nullptr;
    UINT m_dpi = 96;
    HWND m_lastFocus = nullptr;
    PreciseTimer m_timer1{form::timer1.intervalMilliseconds};
    FormControls m_controls;
    ControlPanel m_panel{*this, m_controls, m_timer1};
};

} // namespace ponderival::win32
