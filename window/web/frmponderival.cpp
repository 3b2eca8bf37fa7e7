#include "frmponderival.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <string>

// Calls the function of that name that the script lent the module as Module.page, with up to three
// texts, which cross as UTF-8 bytes with their length.
// clang-format off
EM_JS(void, ponderivalCall, (const char *name, int nameLength, const char *first,
                             int firstLength, const char *second, int secondLength,
                             const char *third, int thirdLength), {
    Module["page"][UTF8ToString(name, nameLength)](UTF8ToString(first, firstLength),
        UTF8ToString(second, secondLength), UTF8ToString(third, thirdLength));
});
// A field's text, the most frequent call by far: its own entry, no look-up of the function by name.
EM_JS(void, ponderivalShowText, (const char *name, int nameLength, const char *text,
                                 int textLength), {
    Module["page"].showText(UTF8ToString(name, nameLength), UTF8ToString(text, textLength));
});
// clang-format on

namespace ponderival::web {

namespace {

constexpr std::string_view stopButton = form::cmdStop.control().name;

void call(std::string_view function, std::string_view first = {}, std::string_view second = {},
          std::string_view third = {})
{
    const auto length = [](std::string_view text) {
        return static_cast<int>(text.size());
    };
    ponderivalCall(function.data(), length(function), first.data(), length(first), second.data(),
                   length(second), third.data(), length(third));
}

} // namespace

frmPonderival &window()
{
    static frmPonderival page;
    return page;
}

void frmPonderival::showText(Field field, std::string_view text)
{
    const std::string_view name = fieldName(field);
    ponderivalShowText(name.data(), static_cast<int>(name.size()), text.data(),
                       static_cast<int>(text.size()));
}

void frmPonderival::setStopCaption(std::string_view caption)
{
    call("setCaption", stopButton, caption);
}

void frmPonderival::setStopFace(Colour face)
{
    call("setFace", stopButton, hexText(face), hexText(focusColour(face)));
}

void frmPonderival::startTicks(std::chrono::milliseconds interval)
{
    call("startTicks", std::to_string(interval.count()));
}

void frmPonderival::stopTicks()
{
    call("stopTicks");
}

void frmPonderival::say(const Announcement &announcement)
{
    call("say", announcement.message, announcement.followUp);
}

void frmPonderival::nameField(Field field, std::string_view name)
{
    call("nameField", fieldName(field), name);
}

// A browser speaks a new description of the focused button along with the live region's
// message, and the answer would be heard twice: the page says it through the live region alone.
void frmPonderival::describeStop(std::string_view /*description*/) {}

void frmPonderival::reportError(const RuntimeError &error)
{
    call("reportError", runtimeErrorText(error));
}

// The page ends the program once the report, if any, has been acknowledged.
void frmPonderival::close(int /*exitStatus*/)
{
    call("end");
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
