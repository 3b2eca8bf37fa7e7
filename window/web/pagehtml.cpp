#include "pagehtml.h"

#include "descriptionjson.h"
#include "frmponderivaldescription.h"
#include "narrator.h"
#include "pagetexts.h"
#include "panel.h"
#include "runtimeerror.h"
#include "textout.h"
#include "webicons.h"

#include <algorithm>
#include <sstream>

namespace ponderival::web {

namespace {

using form::Control;
namespace page = form::page;

// The focus starts on the first control in tab order that takes it.
bool startsFocused(const Control &control)
{
    const auto first = std::find_if(form::controls.begin(), form::controls.end(),
                                    [](const Control &each) { return form::takesFocus(each); });
    return first != form::controls.end() && first->name == control.name;
}

// A seen field shows its text to the eye only: a screen reader reads the hidden name beside it,
// which the window's model keeps up to date at a pace a screen reader can follow.
void writeLabel(std::ostringstream &out, form::ControlId id)
{
    const Control &control = id.control();
    const auto field = fieldAt(id);
    if (!field || !isSeen(*field)) {
        out << ">" << html(control.text) << "</div>";
        return;
    }
    out << R"(><span aria-hidden="true">)" << html(control.text) << R"(</span><span class="sr">)"
        << html(firstName(*field)) << "</span></div>";
}

void writeControl(std::ostringstream &out, form::ControlId id)
{
    const Control &control = id.control();
    const bool button = control.kind == form::ControlKind::Button;
    out << (button ? "<button" : "<div") << R"( id=")" << control.name << R"(")";
    if (!control.visible) {
        out << " hidden";
    }
    switch (control.kind) {
    case form::ControlKind::Shape:
        out << R"( aria-hidden="true"></div>)";
        break;
    case form::ControlKind::Button:
        out << R"( type="button" data-control=")" << id.index() << '"'
            << (startsFocused(control) ? " autofocus" : "") << ">" << html(control.text)
            << "</button>";
        break;
    case form::ControlKind::Label:
    case form::ControlKind::Field:
        writeLabel(out, id);
        break;
    }
    out << "\n";
}

void writeHead(std::ostringstream &out, const PageHead &head)
{
    out << "<!DOCTYPE html>\n<html lang=\"" << page::language << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n"
        << R"(<meta http-equiv="Content-Security-Policy" content=")" << head.policy << "\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"color-scheme\" content=\"light\">\n"
        << "<title>" << html(form::window.accessibleName)
        << "</title>\n"
        // The page's script first: no style sheet it would wait for delays the rest of the page.
        << head.pageScript << head.resources << head.moduleScript << "</head>\n";
}

struct Shown
{
    std::string_view id;
    std::string_view text;
};

// A small raised window of the page's own, titled and described for a screen reader: the report of
// a run-time error, a dialog that hides itself until shown, and what is left in the window's place
// when the search cannot start.
void writeBox(std::ostringstream &out, std::string_view tag, std::string_view id, Shown title,
              Shown text, const std::string &control)
{
    out << "<" << tag << R"( id=")" << id << R"(" role="alertdialog" aria-labelledby=")" << title.id
        << R"(" aria-describedby=")" << text.id << '"' << (tag == "dialog" ? "" : " hidden")
        << ">\n<h1 id=\"" << title.id << "\">" << html(title.text) << "</h1>\n<p id=\"" << text.id
        << "\">" << html(text.text) << "</p>\n"
        << control << "</" << tag << ">\n";
}

void writeBoxes(std::ostringstream &out)
{
    writeBox(out, "dialog", page::report.id, {page::reportTitle.id, runtimeErrorTitle},
             {page::reportText.id, ""},
             R"(<button id=")" + std::string(page::acknowledgeButton.id) +
                 R"(" type="button" autofocus>)" + html(page::acknowledgeText) + "</button>\n");
    writeBox(out, "section", page::loadFailed.id,
             {page::loadFailedHeading.id, page::loadFailedTitle},
             {page::loadFailedMessage.id, page::loadFailedText},
             R"(<a id=")" + std::string(page::reloadLink.id) + R"(" href="">)" +
                 html(page::reloadText) + "</a>\n");
}

} // namespace

PageHead servedHead()
{
    std::ostringstream resources;
    resources << R"(<link rel="manifest" href=")" << manifestFile << "\">\n"
              << R"(<link rel="icon" href=")" << iconFile(webIconSizes.front()) << "\">\n"
              << R"(<link rel="stylesheet" href=")" << styleSheet << "\">\n";
    return {contentSecurityPolicy, resources.str(),
            std::string(R"(<script src=")") + moduleScript + "\" defer></script>\n",
            pageScriptElement()};
}

std::string pageScriptElement()
{
    std::ostringstream out;
    out << R"(<script data-ids=")" << html(form::pageIdsJson()) << R"(" data-status-slots=")"
        << statusSlots << R"(">@@script:)" << pageScript << "@@</script>\n";
    return out.str();
}

std::string pageHtml(const PageHead &head)
{
    std::ostringstream out;
    writeHead(out, head);
    // Busy until the search is loaded and the buttons do something.
    out << "<body>\n<main id=\"" << form::window.name << "\" aria-busy=\"true\">\n";
    for (const std::size_t index : form::readingOrder) {
        writeControl(out, form::ControlId::at(static_cast<long long>(index)).value());
    }
    out << R"(<div id=")" << page::liveRegion.id
        << "\" class=\"sr\" role=\"log\" aria-live=\"polite\"></div>\n</main>\n";
    writeBoxes(out);
    // A screen reader that comes to the link as the program ends hears the end line too.
    out << R"(<p id=")" << page::endedLine.id << R"(" hidden><span id=")" << page::endedLineText.id
        << R"(">)" << html(page::endedText) << R"(</span> <a id=")" << page::restartLink.id
        << R"(" href="" aria-describedby=")" << page::endedLineText.id << R"(">)"
        << html(page::restartText) << "</a></p>\n<noscript><p id=\"" << page::noScriptLine.id
        << "\">" << html(page::noScriptText) << "</p></noscript>\n</body>\n</html>\n";
    return out.str();
}

} // namespace ponderival::web
