#include "colour.h"
#include "descriptionjson.h"
#include "page.h"
#include "pagetexts.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

namespace web = ponderival::web;
namespace form = ponderival::form;
using form::JsonWriter;

// What a browser needs to install the page as a program of its own.
std::string manifestJson()
{
    JsonWriter icons;
    for (const int size : web::webIconSizes) {
        icons.element(JsonWriter()
                          .text("src", web::iconFile(size))
                          .text("sizes", std::to_string(size) + "x" + std::to_string(size))
                          .text("type", "image/png")
                          .object());
    }
    return JsonWriter()
               .text("name", form::page::appName)
               .text("short_name", form::page::appName)
               .text("description", form::window.accessibleName)
               .text("lang", form::page::language)
               .text("dir", "ltr")
               .text("id", "./")
               .text("start_url", "./")
               .text("scope", "./")
               .text("display", "standalone")
               .text("background_color", hexText(form::page::backdrop))
               .text("theme_color", hexText(form::dialogFace))
               .raw("icons", icons.array())
               .object() +
           "\n";
}

// The description with the page's own facts under "web" (its module's file and each web font with
// the characters drawn in it), for the build's font step and the page's tests, so that none of
// them keeps a copy of a text, place or colour.
std::string descriptionJson()
{
    JsonWriter fonts;
    for (const web::WebFont &font : web::webFonts()) {
        fonts.element(JsonWriter()
                          .text("family", font.face->name)
                          .number("weight", font.weight())
                          .text("source", font.stem() + ".ttf")
                          .text("file", font.webFile())
                          .text("text", font.text)
                          .object());
    }
    const std::string module = std::string(web::moduleName) + ".js";
    const std::string page =
        JsonWriter().text("moduleScript", module).raw("fonts", fonts.array()).object();
    return form::descriptionMembers().raw("web", page).object() + "\n";
}

bool write(const std::string &path, const std::string &text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
    if (!file.flush()) {
        std::fprintf(stderr, "writepage: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

// Writes ponderival.css and manifest.webmanifest into the site; the templates of index.html and of
// the single page, and the single page's style sheet, into a folder of their own; and the
// description as JSON. The build runs it under Node.js, with the host's files at hand.
int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: writepage SITE_FOLDER TEMPLATE_FOLDER DESCRIPTION_JSON\n", stderr);
        return 2;
    }
    const std::string site = std::string(argv[1]) + "/";
    const std::string templates = std::string(argv[2]) + "/";
    using web::Page;
    const bool written = write(templates + "index.html.in", web::pageHtml(Page::Served)) &&
                         write(site + web::styleSheet, web::pageCss(Page::Served)) &&
                         write(site + web::manifestFile, manifestJson()) &&
                         write(templates + "Ponderival.html.in", web::pageHtml(Page::Single)) &&
                         write(templates + web::styleSheet, web::pageCss(Page::Single)) &&
                         write(argv[3], descriptionJson());
    return written ? 0 : 1;
}
