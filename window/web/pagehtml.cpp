#include "pagehtml.h"

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
void writeLabel(std::ostringstream &out, std::size_t index)
{
    const Control &control = form::controls.at(index);
    const auto field = fieldAt(index);
    if (!field || control.heading.empty()) {
        out << ">" << html(control.text) << "</div>";
        return;
    }
    out << R"(><span aria-hidden="true">)" << html(control.text) << R"(</span><span class="sr">)"
        << html(spokenName(*field, control.text)) << "</span></div>";
}

void writeControl(std::ostringstream &out, std::size_t index)
{
    const Control &control = form::controls.at(index);
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
        out << R"( type="button" data-control=")" << index << '"'
            << (startsFocused(control) ? " autofocus" : "") << ">" << html(control.text)
            << "</button>";
        break;
    case form::ControlKind::Label:
    case form::ControlKind::Field:
        writeLabel(out, index);
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
        << "<title>" << html(form::window.accessibleName) << "</title>\n"
        << head.resources << head.moduleScript << head.pageScript << "</head>\n";
}

void writeReport(std::ostringstream &out)
{
    out << R"(<dialog id=")" << page::reportId << R"(" role="alertdialog" aria-labelledby=")"
        << page::reportTitleId << R"(" aria-describedby=")" << page::reportTextId << "\">\n"
        << R"(<h1 id=")" << page::reportTitleId << R"(">)" << html(runtimeErrorTitle) << "</h1>\n"
        << R"(<p id=")" << page::reportTextId << "\"></p>\n"
        << R"(<button id=")" << page::acknowledgeId << R"(" type="button" autofocus>)"
        << html(page::acknowledgeText) << "</button>\n</dialog>\n";
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
            std::string(R"(<script src=")") + pageScript + "\" defer" + pageScriptAttributes() +
                "></script>\n"};
}

std::string pageScriptAttributes()
{
    std::ostringstream out;
    out << R"( data-live-region=")" << page::liveRegionId << R"(" data-report=")" << page::reportId
        << R"(" data-report-text=")" << page::reportTextId << R"(" data-acknowledge=")"
        << page::acknowledgeId << R"(" data-ended=")" << page::endedId
        << R"(" data-embedded-wasm=")" << page::embeddedWasmId << '"';
    return out.str();
}

std::string pageHtml(const PageHead &head)
{
    std::ostringstream out;
    writeHead(out, head);
    // Busy until the search is loaded and the buttons do something.
    out << "<body>\n<main id=\"" << form::window.name << "\" aria-busy=\"true\">\n";
    for (const std::size_t index : form::readingOrder) {
        writeControl(out, index);
    }
    out << R"(<div id=")" << page::liveRegionId
        << "\" class=\"sr\" role=\"log\" aria-live=\"polite\"></div>\n</main>\n";
    writeReport(out);
    out << R"(<p id=")" << page::endedId << R"(" hidden>)" << html(page::endedText)
        << R"( <a href="">)" << html(page::restartText) << "</a></p>\n"
        << "<noscript><p>" << html(page::noScriptText) << "</p></noscript>\n</body>\n</html>\n";
    return out.str();
}

} // namespace ponderival::web
