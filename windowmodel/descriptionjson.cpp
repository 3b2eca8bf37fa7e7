#include "descriptionjson.h"

#include "colour.h"
#include "frmponderivaldescription.h"
#include "pagetexts.h"
#include "runtimeerror.h"

#include <array>

namespace ponderival::form {

namespace {

constexpr std::array<const char *, 4> kindNames{"label", "field", "button", "shape"};
constexpr std::array<const char *, 4> fillNames{"none", "transparent", "windowFace", "colour"};

std::string fontJson(const Font &font)
{
    return JsonWriter()
        .text("face", font.face)
        .number("points", font.points)
        .flag("bold", font.bold)
        .object();
}

std::string controlJson(const Control &control)
{
    const Twips &place = control.place;
    return JsonWriter()
        .text("name", control.name)
        .text("kind", kindNames.at(static_cast<std::size_t>(control.kind)))
        .number("left", pixels(place.left))
        .number("top", pixels(place.top))
        .number("width", pixels(place.width))
        .number("height", pixels(place.height))
        .text("text", control.text)
        .text("fill", fillNames.at(static_cast<std::size_t>(control.fill)))
        .text("background", hexText(control.background))
        .raw("font", fontJson(control.font))
        .flag("wordWrap", control.wordWrap)
        .flag("visible", control.visible)
        .flag("takesFocus", takesFocus(control))
        .text("heading", control.heading)
        .text("accessibleName", control.accessibleName)
        .object();
}

std::string windowJson()
{
    return JsonWriter()
        .text("name", window.name)
        .text("caption", window.caption)
        .text("accessibleName", window.accessibleName)
        .number("width", pixels(window.width))
        .number("height", pixels(window.height))
        .object();
}

std::string looksJson()
{
    const auto look = [](const ButtonLook &each) {
        return JsonWriter()
            .text("caption", each.caption)
            .text("face", hexText(each.background))
            .object();
    };
    return JsonWriter()
        .raw("idle", look(stopIdleLook))
        .raw("running", look(stopRunningLook))
        .object();
}

std::string edgesJson()
{
    return JsonWriter()
        .text("highlight", hexText(buttonEdges.highlight))
        .text("light", hexText(buttonEdges.light))
        .text("shadow", hexText(buttonEdges.shadow))
        .text("darkShadow", hexText(buttonEdges.darkShadow))
        .object();
}

std::string facesJson()
{
    JsonWriter list;
    for (const Face &face : faces) {
        list.element(JsonWriter()
                         .text("name", face.name)
                         .text("scalable", face.scalable)
                         .text("substitute", face.substitute)
                         .object());
    }
    return list.array();
}

// The web page's own texts, and the ids of its elements beside the controls.
std::string pageJson()
{
    return JsonWriter()
        .text("language", page::language)
        .text("appName", page::appName)
        .text("backdrop", hexText(page::backdrop))
        .text("ended", page::endedText)
        .text("restart", page::restartText)
        .text("acknowledge", page::acknowledgeText)
        .text("noScript", page::noScriptText)
        .text("loadFailedTitle", page::loadFailedTitle)
        .text("loadFailedText", page::loadFailedText)
        .text("reload", page::reloadText)
        .raw("ids", pageIdsJson())
        .object();
}

std::string reportJson()
{
    return JsonWriter()
        .text("title", runtimeErrorTitle)
        .text("overflow", runtimeErrorText(RuntimeError::overflow()))
        .object();
}

} // namespace

std::string pageIdsJson()
{
    JsonWriter ids;
    for (const page::Element &element : page::elements) {
        ids.text(element.key, element.id);
    }
    return ids.object();
}

JsonWriter descriptionMembers()
{
    JsonWriter controlList;
    for (const Control &control : controls) {
        controlList.element(controlJson(control));
    }
    JsonWriter members;
    members.text("title", title)
        .raw("window", windowJson())
        .raw("controls", controlList.array())
        .raw("stopLooks", looksJson())
        .raw("edges", edgesJson())
        .text("dialogFace", hexText(dialogFace))
        .text("windowText", hexText(windowText))
        .raw("timer1", JsonWriter()
                           .text("name", timer1.name)
                           .number("interval", timer1.intervalMilliseconds)
                           .object())
        .raw("faces", facesJson())
        .raw("page", pageJson())
        .raw("report", reportJson());
    return members;
}

} // namespace ponderival::form
