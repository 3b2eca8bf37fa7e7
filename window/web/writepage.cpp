#include "pagecss.h"
#include "pagedata.h"
#include "pagehtml.h"
#include "singlepage.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

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

// Writes the page's files that come from the window's description: ponderival.css and
// manifest.webmanifest into the site; the templates of index.html and of the single-file page, and
// the single page's style sheet, with their slots, into a folder of their own; and the description
// as JSON, for the build and the tests. The build runs it under Node.js, with the host's files at
// hand.
int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: writepage SITE_FOLDER TEMPLATE_FOLDER DESCRIPTION_JSON\n", stderr);
        return 2;
    }
    const std::string site = std::string(argv[1]) + "/";
    const std::string templates = std::string(argv[2]) + "/";
    namespace web = ponderival::web;
    const auto served = [](const std::string &file) {
        return file;
    };
    const bool written =
        write(templates + "index.html.in", web::pageHtml(web::servedHead())) &&
        write(site + web::styleSheet, web::pageCss(served)) &&
        write(site + web::manifestFile, web::manifestJson()) &&
        write(templates + "Ponderival.html.in", web::pageHtml(web::singleHead())) &&
        write(templates + web::singleStyleSheet, web::singleCss()) &&
        write(argv[3], web::descriptionJson());
    return written ? 0 : 1;
}
