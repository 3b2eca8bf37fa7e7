#include "windowpanel.h"

#include "eventprocedure.h"

#include <exception>
#include <optional>

namespace ponderival {

std::string WindowPanel::text(Field field) const
{
    const std::string *pending = m_pendingTexts.find(field);
    return pending != nullptr ? *pending : labelText(field);
}

void WindowPanel::setText(Field field, std::string_view text)
{
    m_pendingTexts.set(field, text);
}

void WindowPanel::handleEvent(void (*procedure)(Panel &)) noexcept
{
    std::optional<RuntimeError> failure = runEventProcedure(procedure, *this);
    try {
        // A failed step keeps what it wrote before failing, and the report shows it behind.
        m_pendingTexts.commit(
            [this](Field field, const std::string &text) { showText(field, text); });
        if (!failure) {
            eventHandled();
        }
    } catch (const std::exception &) {
        failure = RuntimeError::internal();
    }
    if (failure) {
        endWithError(*failure);
    }
}

void WindowPanel::endWithError(const RuntimeError &error) noexcept
{
    m_exitStatus = EXIT_FAILURE;
    try {
        setTimerEnabled(false);
        m_reportError(error);
    } catch (...) {
        // The program ends with the error's status whether or not the report could be shown.
    }
    try {
        endProgram();
    } catch (...) {
        std::_Exit(EXIT_FAILURE);
    }
}

} // namespace ponderival
