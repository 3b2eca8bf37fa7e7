#include "pagedata.h"

#include "colour.h"
#include "frmponderivaldescription.h"
#include "jsonwriter.h"
#include "pagefonts.h"
#include "pagehtml.h"
#include "pagetexts.h"
#include "panel.h"
#include "runtimeerror.h"
#include "webicons.h"

#include <array>

namespace ponderival::web {

namespace {

using form::Control;
using form::JsonWriter;
namespace page = form::page;

constexpr std::array<const char *, 3> kindNames{"label", "button", "shape"};
constexpr std::array<const char *, 4> fillNames{"none", "transparent", "windowFace", "colour"};

std::string windowJson()
{
    return JsonWriter()
        .text("name", form::window.name)
        .number("width", form::pixels(form::window.width))
        .number("height", form::pixels(form::window.height))
        .object();
}

// What the report of an overflow says.
std::string reportJson()
{
    return JsonWriter()
        .text("title", runtimeErrorTitle)
        .text("overflow", runtimeErrorText(RuntimeError::overflow()))
        .object();
}

// Places in CSS pixels; the heading as the text that a field's column is headed with.
std::string controlJson(const Control &control)
{
    const form::Twips &place = control.place;
    const auto heading = form::findControl(control.heading);
    const std::string font = JsonWriter()
                                 .text("face", control.font.face)
                                 .number("points", control.font.points)
                                 .flag("bold", control.font.bold)
                                 .object();
    return JsonWriter()
        .text("name", control.name)
        .text("kind", kindNames.at(static_cast<std::size_t>(control.kind)))
        .number("left", form::pixels(place.left))
        .number("top", form::pixels(place.top))
        .number("width", form::pixels(place.width))
        .number("height", form::pixels(place.height))
        .text("text", control.text)
        .text("fill", fillNames.at(static_cast<std::size_t>(control.fill)))
        .text("background", hexText(control.background))
        .raw("font", font)
        .flag("visible", control.visible)
        .flag("takesFocus", form::takesFocus(control))
        .text("heading", heading ? heading->text : "")
        .text("accessibleName", control.accessibleName)
        .object();
}

std::string lookJson(const form::ButtonLook &look)
{
    return JsonWriter()
        .text("caption", look.caption)
        .text("face", hexText(look.background))
        .object();
}

std::string edgesJson()
{
    const form::Edges &edges = form::buttonEdges;
    return JsonWriter()
        .text("highlight", hexText(edges.highlight))
        .text("light", hexText(edges.light))
        .text("shadow", hexText(edges.shadow))
        .text("darkShadow", hexText(edges.darkShadow))
        .object();
}

// The page's own texts, and the ids of its elements besides the controls.
std::string pageJson()
{
    return JsonWriter()
        .text("title", form::window.accessibleName)
        .text("ended", page::endedText)
        .text("restart", page::restartText)
        .text("acknowledge", page::acknowledgeText)
        .text("liveRegion", page::liveRegionId)
        .text("report", page::reportId)
        .text("reportTitle", page::reportTitleId)
        .text("reportText", page::reportTextId)
        .text("acknowledgeButton", page::acknowledgeId)
        .text("endedLine", page::endedId)
        .text("embeddedWasm", page::embeddedWasmId)
        .text("moduleScript", moduleScript)
        .text("policy", contentSecurityPolicy)
        .object();
}

std::string fontsJson()
{
    JsonWriter fonts;
    for (const WebFont &font : webFonts()) {
        fonts.element(JsonWriter()
                          .text("family", font.face->name)
                          .number("weight", font.weight())
                          .text("source", font.sourceFile())
                          .text("file", font.webFile())
                          .text("text", font.text)
                          .object());
    }
    return fonts.array();
}

} // namespace

std::string manifestJson()
{
    JsonWriter icons;
    for (const int size : webIconSizes) {
        const std::string sizes = std::to_string(size) + "x" + std::to_string(size);
        icons.element(JsonWriter()
                          .text("src", iconFile(size))
                          .text("sizes", sizes)
                          .text("type", "image/png")
                          .object());
    }
    return JsonWriter()
               .text("name", page::appName)
               .text("short_name", page::appName)
               .text("description", form::window.accessibleName)
               .text("lang", page::language)
               .text("dir", "ltr")
               .text("id", "./")
               .text("start_url", "./")
               .text("scope", "./")
               .text("display", "standalone")
               .text("background_color", hexText(page::backdrop))
               .text("theme_color", hexText(form::dialogFace))
               .raw("icons", icons.array())
               .object() +
           "\n";
}

std::string descriptionJson()
{
    JsonWriter controls;
    for (const Control &control : form::controls) {
        controls.element(controlJson(control));
    }
    JsonWriter fields;
    for (const std::string_view name : fieldNames) {
        fields.element(JsonWriter::quoted(name));
    }
    return JsonWriter()
               .raw("window", windowJson())
               .raw("controls", controls.array())
               .raw("fields", fields.array())
               .raw("stopLooks", JsonWriter()
                                     .raw("idle", lookJson(form::stopIdleLook))
                                     .raw("running", lookJson(form::stopRunningLook))
                                     .object())
               .raw("edges", edgesJson())
               .text("dialogFace", hexText(form::dialogFace))
               .text("windowText", hexText(form::windowText))
               .text("backdrop", hexText(page::backdrop))
               .raw("page", pageJson())
               .raw("report", reportJson())
               .number("timer1Interval", form::timer1.intervalMilliseconds)
               .raw("fonts", fontsJson())
               .object() +
           "\n";
}

} // namespace ponderival::web
