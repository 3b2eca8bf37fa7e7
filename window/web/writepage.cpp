#include "pagecss.h"
#include "pagedata.h"
#include "pagehtml.h"

#include <cstdio>
#include <fstream>
#include <string>

// Writes the page's files that come from the window's description: index.html, ponderival.css and
// manifest.webmanifest into the site, and the description as JSON beside it for the build and the
// tests. The build runs it under Node.js, with the host's files at hand.
int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: writepage SITE_FOLDER DESCRIPTION_JSON\n", stderr);
        return 2;
    }
    const std::string site = std::string(argv[1]) + "/";
    const auto write = [](const std::string &path, const std::string &text) {
        std::ofstream file(path, std::ios::binary);
        file << text;
        if (!file.flush()) {
            std::fprintf(stderr, "writepage: cannot write %s\n", path.c_str());
            return false;
        }
        return true;
    };
    namespace web = ponderival::web;
    const bool written = write(site + "index.html", web::pageHtml()) &&
                         write(site + web::styleSheet, web::pageCss()) &&
                         write(site + web::manifestFile, web::manifestJson()) &&
                         write(argv[2], web::descriptionJson());
    if (!written) {
        return 1;
    }
    return 0;
}
