#include "pagebridge.h"

#include "pagestyle.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>
#include <string>

// The script hands the page's functions to the module as Module.page when it loads it. Texts
// cross as UTF-8 bytes with their length.
// clang-format off
EM_JS(void, ponderivalShowText, (const char *control, int controlLength, const char *text,
                                 int textLength), {
    Module["page"].showText(UTF8ToString(control, controlLength), UTF8ToString(text, textLength));
});
EM_JS(void, ponderivalSetCaption, (const char *control, int controlLength, const char *caption,
                                   int captionLength), {
    Module["page"].setCaption(UTF8ToString(control, controlLength),
                              UTF8ToString(caption, captionLength));
});
EM_JS(void, ponderivalSetFace, (const char *control, int controlLength, const char *face,
                                const char *focus), {
    Module["page"].setFace(UTF8ToString(control, controlLength), UTF8ToString(face),
                           UTF8ToString(focus));
});
EM_JS(void, ponderivalSetTimer, (int enabled, int interval), {
    Module["page"].setTimer(enabled !== 0, interval);
});
EM_JS(void, ponderivalEventHandled, (), {
    Module["page"].eventHandled();
});
EM_JS(void, ponderivalReportError, (const char *text, int textLength), {
    Module["page"].reportError(UTF8ToString(text, textLength));
});
EM_JS(void, ponderivalEnd, (), {
    Module["page"].end();
});
// clang-format on

namespace ponderival::web::page {

namespace {

int length(std::string_view text)
{
    return static_cast<int>(text.size());
}

} // namespace

void showText(std::string_view control, std::string_view text)
{
    ponderivalShowText(control.data(), length(control), text.data(), length(text));
}

void setCaption(std::string_view control, std::string_view caption)
{
    ponderivalSetCaption(control.data(), length(control), caption.data(), length(caption));
}

void setFace(std::string_view control, Colour face)
{
    const std::string faceText = hexText(face);
    const std::string focusText = hexText(focusColour(face));
    ponderivalSetFace(control.data(), length(control), faceText.c_str(), focusText.c_str());
}

void setTimer(bool enabled, int intervalMilliseconds)
{
    ponderivalSetTimer(enabled ? 1 : 0, intervalMilliseconds);
}

void eventHandled()
{
    ponderivalEventHandled();
}

void reportError(std::string_view text)
{
    ponderivalReportError(text.data(), length(text));
}

void end()
{
    ponderivalEnd();
}

} // namespace ponderival::web::page
