#pragma once

#include "panel.h"
#include "pendingtexts.h"
#include "runtimeerror.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <string_view>

namespace ponderival {

// Tells the user of a run-time error that nothing handled, and returns once they acknowledged
// it. Each window shows its platform's message; tests put a recorder in its place.
using ErrorReporter = std::function<void(const RuntimeError &)>;

// Where every window meets the search, written once for all of them. An event's procedure runs to
// its end against the window's real controls; the texts it wrote reach the labels together when it
// returns (PendingTexts says why); an error that reaches the event stops Timer1 before anything
// else, so there is exactly one report with no step running behind it, and then ends the program
// with status 1. A window supplies only what differs: how a label's text is read and shown, the
// timer and cmdStop (Panel), and how the program ends.
class WindowPanel : public Panel
{
public:
    [[nodiscard]] std::string text(Field field) const final;
    void setText(Field field, std::string_view text) final;

    // Never throws: no exception may cross a window system's event loop.
    void handleEvent(void (*procedure)(Panel &)) noexcept;

    void setErrorReporter(ErrorReporter reporter) { m_reportError = std::move(reporter); }
    // Settled before the report is shown, so a window closed under the report still ends with 1.
    [[nodiscard]] int exitStatus() const { return m_exitStatus; }

protected:
    explicit WindowPanel(ErrorReporter reporter) : m_reportError(std::move(reporter)) {}

    // The label's own text, as the window shows it.
    [[nodiscard]] virtual std::string labelText(Field field) const = 0;
    virtual void showText(Field field, const std::string &text) = 0;
    // Called after every event that ended well, once its texts are on show.
    virtual void eventHandled() {}
    // Closes the window; the program then ends with exitStatus().
    virtual void endProgram() = 0;

private:
    void endWithError(const RuntimeError &error) noexcept;

    PendingTexts m_pendingTexts;
    ErrorReporter m_reportError;
    int m_exitStatus = EXIT_SUCCESS;
};

} // namespace ponderival
