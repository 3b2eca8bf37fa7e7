#include "frmponderival.h"

#include "pagebridge.h"
#include "pagestyle.h"

#include <emscripten/emscripten.h>

namespace ponderival::web {

namespace {

constexpr std::string_view stopButton = form::cmdStop.control().name;

} // namespace

frmPonderival &window()
{
    static frmPonderival page;
    return page;
}

void frmPonderival::showText(Field field, std::string_view text)
{
    page::call("showText", fieldName(field), text);
}

void frmPonderival::setStopCaption(std::string_view caption)
{
    page::call("setCaption", stopButton, caption);
}

void frmPonderival::setStopFace(Colour face)
{
    page::call("setFace", stopButton, hexText(face), hexText(focusColour(face)));
}

void frmPonderival::startTicks(std::chrono::milliseconds interval)
{
    page::setTimer(true, static_cast<int>(interval.count()));
}

void frmPonderival::stopTicks()
{
    page::setTimer(false, 0);
}

void frmPonderival::say(const Announcement &announcement)
{
    page::call("say", announcement.message, announcement.followUp);
}

void frmPonderival::nameField(Field field, std::string_view name)
{
    page::call("nameField", fieldName(field), name);
}

// A browser speaks a new description of the focused button along with the live region's
// message, and the answer would be heard twice: the page says it through the live region alone.
void frmPonderival::describeStop(std::string_view /*description*/) {}

void frmPonderival::reportError(const RuntimeError &error)
{
    page::call("reportError", runtimeErrorText(error));
}

// The page ends the program once the report, if any, has been acknowledged.
void frmPonderival::close(int /*exitStatus*/)
{
    page::call("end");
}

} // namespace ponderival::web

extern "C" {

EMSCRIPTEN_KEEPALIVE void ponderivalClick(int control) noexcept
{
    if (const auto id = ponderival::form::ControlId::at(control)) {
        ponderival::web::window().model().click(*id);
    }
}

EMSCRIPTEN_KEEPALIVE void ponderivalTick() noexcept
{
    ponderival::web::window().model().tick();
}

} // extern "C"
