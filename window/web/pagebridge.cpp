#include "pagebridge.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

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
                                int faceLength, const char *focus, int focusLength), {
    Module["page"].setFace(UTF8ToString(control, controlLength), UTF8ToString(face, faceLength),
                           UTF8ToString(focus, focusLength));
});
EM_JS(void, ponderivalSetTimer, (int enabled, int interval), {
    Module["page"].setTimer(enabled !== 0, interval);
});
EM_JS(void, ponderivalSay, (const char *message, int messageLength, const char *followUp,
                            int followUpLength), {
    Module["page"].say(UTF8ToString(message, messageLength),
                       UTF8ToString(followUp, followUpLength));
});
EM_JS(void, ponderivalNameField, (const char *control, int controlLength, const char *name,
                                  int nameLength), {
    Module["page"].nameField(UTF8ToString(control, controlLength), UTF8ToString(name, nameLength));
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

void setFace(std::string_view control, std::string_view face, std::string_view focus)
{
    ponderivalSetFace(control.data(), length(control), face.data(), length(face), focus.data(),
                      length(focus));
}

void setTimer(bool enabled, int intervalMilliseconds)
{
    ponderivalSetTimer(enabled ? 1 : 0, intervalMilliseconds);
}

void say(std::string_view message, std::string_view followUp)
{
    ponderivalSay(message.data(), length(message), followUp.data(), length(followUp));
}

void nameField(std::string_view control, std::string_view name)
{
    ponderivalNameField(control.data(), length(control), name.data(), length(name));
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
