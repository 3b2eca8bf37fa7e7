#include "descriptionjson.h"
#include "narrator.h"
#include "page.h"
#include "pagetexts.h"
#include "runtimeerror.h"

#include <algorithm>
#include <sstream>

namespace ponderival::web {

namespace {

using form::Control;
namespace page = form::page;

// Only the page's own files, its inline scripts and styles by their hashes, and WebAssembly's
// compilation but no eval.
constexpr std::string_view servedPolicy =
    "default-src 'self'; script-src 'self' @@hashes:script@@ 'wasm-unsafe-eval'; "
    "style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'";
constexpr std::string_view singlePolicy =
    "default-src 'none'; script-src @@hashes:script@@ 'wasm-unsafe-eval'; "
    "style-src @@hashes:style@@; img-src data:; font-src data:; object-src 'none'; "
    "base-uri 'none'; form-action 'none'";

// The focus starts on the first control in tab order that takes it.
constexpr auto firstFocus = static_cast<std::size_t>(
    std::find_if(form::controls.begin(), form::controls.end(), form::takesFocus) -
    form::controls.begin());

// Text for an HTML element or a double-quoted attribute.
std::string html(std::string_view text)
{
    constexpr std::string_view special = R"(&<>")";
    constexpr std::array<std::string_view, 4> entities{"&amp;", "&lt;", "&gt;", "&quot;"};
    std::string out;
    for (const char &c : text) {
        const std::size_t at = special.find(c);
        out += at == std::string_view::npos ? std::string_view(&c, 1) : entities.at(at);
    }
    return out;
}

// The served page names its files but for its script, inline so that the window takes clicks and
// keys from its first paint; its search is fetched meanwhile and run once the window shows. The
// single page carries them all. A page from disk can use neither a manifest nor a service worker.
void writeFiles(std::ostringstream &out, Page kind)
{
    const std::string icon = iconFile(webIconSizes.front());
    if (kind == Page::Served) {
        out << R"(<link rel="manifest" href=")" << manifestFile << "\">\n"
            << R"(<link rel="icon" href=")" << icon << "\">\n"
            << R"(<link rel="stylesheet" href=")" << styleSheet << "\">\n"
            << R"(<link rel="preload" as="script" href=")" << moduleName << ".js\">\n";
        return;
    }
    out << R"(<link rel="icon" href="@@data:image/png:)" << icon << "@@\">\n"
        << "<style>@@style:" << styleSheet << "@@</style>\n"
        << R"(<script type="application/octet-stream" id=")" << page::embeddedWasm.id
        << R"(">@@base64:)" << moduleName << ".wasm@@</script>\n"
        << "<script>@@script:" << moduleName << ".js@@</script>\n";
}

void writeHead(std::ostringstream &out, Page kind)
{
    out << "<!DOCTYPE html>\n<html lang=\"" << page::language << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n<meta http-equiv=\"Content-Security-Policy\" content=\""
        << (kind == Page::Single ? singlePolicy : servedPolicy) << "\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"color-scheme\" content=\"light dark\">\n"
        << "<title>" << html(form::window.accessibleName) << "</title>\n";
    // The page's script first: no style sheet it would wait for delays the rest of the page.
    out << R"(<script data-ids=")" << html(form::pageIdsJson()) << R"(" data-status-slots=")"
        << statusSlots << '"';
    if (kind == Page::Served) {
        out << R"( data-module=")" << moduleName << ".js\"";
    }
    out << ">@@script:ponderival.js@@</script>\n";
    writeFiles(out, kind);
    out << "</head>\n";
}

// A seen field shows its text to the eye only: a screen reader reads the hidden name beside it,
// which the window's model keeps up to date at a pace a screen reader can follow.
void writeControl(std::ostringstream &out, form::ControlId id)
{
    const Control &control = id.control();
    const auto field = fieldAt(id);
    const bool button = control.kind == form::ControlKind::Button;
    out << (button ? "<button" : "<div") << R"( id=")" << control.name << '"'
        << (control.visible ? "" : " hidden");
    if (control.kind == form::ControlKind::Shape) {
        out << " aria-hidden=\"true\"></div>\n";
    } else if (button) {
        out << R"( type="button" data-control=")" << id.index() << '"'
            << (id.index() == firstFocus ? " autofocus" : "") << ">" << html(control.text)
            << "</button>\n";
    } else if (field && isSeen(*field)) {
        out << R"(><span aria-hidden="true">)" << html(control.text)
            << R"(</span><span class="sr">)" << html(firstName(*field)) << "</span></div>\n";
    } else {
        out << ">" << html(control.text) << "</div>\n";
    }
}

struct Shown
{
    std::string_view id;
    std::string_view text;
};

// A small raised window of the page's own, titled and described for a screen reader.
void writeBox(std::ostringstream &out, std::string_view tag, std::string_view id, Shown title,
              Shown text, const std::string &control)
{
    out << "<" << tag << R"( id=")" << id << R"(" role="alertdialog" aria-labelledby=")" << title.id
        << R"(" aria-describedby=")" << text.id << '"' << (tag == "dialog" ? "" : " hidden")
        << ">\n<h1 id=\"" << title.id << R"(">)" << html(title.text) << "</h1>\n<p id=\"" << text.id
        << R"(">)" << html(text.text) << "</p>\n"
        << control << "\n</" << tag << ">\n";
}

// Beside the window: the report of a run-time error, a dialog that hides itself until shown; what
// is left in the window's place when the search cannot start; and the line the page is left with
// once the program ends.
void writeAround(std::ostringstream &out)
{
    writeBox(out, "dialog", page::report.id, {page::reportTitle.id, runtimeErrorTitle},
             {page::reportText.id, ""},
             R"(<button id=")" + std::string(page::acknowledgeButton.id) +
                 R"(" type="button" autofocus>)" + html(page::acknowledgeText) + "</button>");
    writeBox(out, "section", page::loadFailed.id,
             {page::loadFailedHeading.id, page::loadFailedTitle},
             {page::loadFailedMessage.id, page::loadFailedText},
             R"(<a id=")" + std::string(page::reloadLink.id) + R"(" href="">)" +
                 html(page::reloadText) + "</a>");
    // A screen reader that comes to the link as the program ends hears the end line too.
    out << R"(<p id=")" << page::endedLine.id << R"(" hidden><span id=")" << page::endedLineText.id
        << R"(">)" << html(page::endedText) << R"(</span> <a id=")" << page::restartLink.id
        << R"(" href="" aria-describedby=")" << page::endedLineText.id << R"(">)"
        << html(page::restartText) << "</a></p>\n";
}

} // namespace

std::string pageHtml(Page kind)
{
    std::ostringstream out;
    writeHead(out, kind);
    // Busy until the search is loaded and the buttons do something.
    out << "<body>\n<main id=\"" << form::window.name << "\" aria-busy=\"true\">\n";
    for (const std::size_t index : form::readingOrder) {
        writeControl(out, form::ControlId::at(index).value());
    }
    out << R"(<div id=")" << page::liveRegion.id
        << "\" class=\"sr\" role=\"log\" aria-live=\"polite\"></div>\n</main>\n";
    writeAround(out);
    out << R"(<noscript><p id=")" << page::noScriptLine.id << R"(">)" << html(page::noScriptText)
        << "</p></noscript>\n</body>\n</html>\n";
    return out.str();
}

} // namespace ponderival::web
