#pragma once

#include "formcontrols.h"
#include "precisetimer.h"
#include "screenreader.h"
#include "windowmodel.h"
#include "windowport.h"

#include <windows.h>

namespace ponderival::win32 {

// The program's one window, a popup without border or title: Windows' side of its model, which
// decides what clicks and ticks run and hands back what to show and what a screen reader hears.
class frmPonderival : private WindowPort
{
public:
    frmPonderival();
    // Destroys the window if it is still there, without asking the program to end.
    ~frmPonderival() override;

    // At its described size with the focus on cmdStop; a request to minimise is kept.
    void show(int showCommand);
    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }

    // Null once the window has been destroyed.
    [[nodiscard]] HWND handle() const { return m_window; }
    // What the event loop waits on beside the messages.
    [[nodiscard]] const PreciseTimer &timer1() const { return m_timer1; }
    [[nodiscard]] WindowModel &model() { return m_model; }
    [[nodiscard]] const ScreenReader &screenReader() const { return m_screenReader; }

private:
    void showText(Field field, std::string_view text) override;
    void setStopCaption(std::string_view caption) override;
    void setStopFace(Colour face) override { m_controls.setFill(form::cmdStop, face); }
    void startTicks(std::chrono::milliseconds interval) override { m_timer1.start(interval); }
    void stopTicks() override { m_timer1.stop(); }
    void say(const Announcement &announcement) override { m_screenReader.say(announcement); }
    void nameField(Field field, std::string_view name) override
    {
        m_screenReader.setName(m_controls.handle(field), name);
    }
    void describeStop(std::string_view description) override
    {
        m_screenReader.setDescription(m_controls.handle(form::cmdStop), description);
    }
    void reportError(const RuntimeError &error) override { m_reportError(error); }
    // The program ends with the model's status once the window is gone (onDestroy); a window
    // already gone is not there to destroy (DestroyWindow refuses null).
    void close(int /*exitStatus*/) override { DestroyWindow(m_window); }

    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    BOOL onCreate(HWND hwnd, LPCREATESTRUCTW creation);
    void onCommand(HWND hwnd, int id, HWND control, UINT notification);
    void onDrawItem(HWND hwnd, const DRAWITEMSTRUCT *item);
    HBRUSH onCtlColorStatic(HWND hwnd, HDC context, HWND label, int type);
    void onActivate(HWND hwnd, UINT state, HWND other, BOOL minimized);
    void onSetFocus(HWND hwnd, HWND previous);
    HWND onNextDlgCtl(HWND hwnd, HWND target, BOOL targetIsHandle);
    void onDestroy(HWND hwnd);
    LRESULT onGetDefId() const;

    // The window's frame, and the controls inside it, at a new DPI.
    void place(const RECT &frame, UINT dpi);
    [[nodiscard]] bool takesFocus(HWND control) const;

    HWND m_window = nullptr;
    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    HWND m_lastFocus = nullptr;
    PreciseTimer m_timer1;
    FormControls m_controls;
    ScreenReader m_screenReader;
    ErrorReporter m_reportError;
    WindowModel m_model{*this};
};

} // namespace ponderival::win32
