#include "pagedata.h"

#include "colour.h"
#include "descriptionjson.h"
#include "frmponderivaldescription.h"
#include "pagefonts.h"
#include "pagehtml.h"
#include "pagetexts.h"
#include "webicons.h"

namespace ponderival::web {

namespace {

using form::JsonWriter;
namespace page = form::page;

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
    const std::string web =
        JsonWriter().text("moduleScript", moduleScript).raw("fonts", fontsJson()).object();
    return form::descriptionMembers().raw("web", web).object() + "\n";
}

} // namespace ponderival::web
