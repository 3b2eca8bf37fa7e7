#include "pagehtml.h"

#include "frmponderivaldescription.h"
#include "pagetexts.h"
#include "panel.h"
#include "runtimeerror.h"
#include "textout.h"
#include "webicons.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace ponderival::web {

namespace {

using form::Control;
namespace page = form::page;

bool isField(const Control &control)
{
    return std::find(fieldNames.begin(), fieldNames.end(), control.name) != fieldNames.end();
}

// The focus starts on the first control in tab order that takes it.
bool startsFocused(const Control &control)
{
    const auto first = std::find_if(form::controls.begin(), form::controls.end(),
                                    [](const Control &each) { return form::takesFocus(each); });
    return first != form::controls.end() && first->name == control.name;
}

// A field shows its text to the eye only: a screen reader reads the hidden name beside it, the
// heading and the value, which the script updates at a pace a screen reader can follow.
void writeLabel(std::ostringstream &out, const Control &control)
{
    if (isField(control)) {
        out << " data-field";
    }
    if (control.heading.empty()) {
        out << ">" << html(control.text) << "</div>";
        return;
    }
    out << R"( data-heading=")" << html(form::findControl(control.heading).value().text)
        << R"("><span aria-hidden="true">)" << html(control.text)
        << R"(</span><span class="sr"></span></div>)";
}

void writeControl(std::ostringstream &out, const Control &control)
{
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
        out << R"( type="button")" << (startsFocused(control) ? " autofocus" : "") << ">"
            << html(control.text) << "</button>";
        break;
    case form::ControlKind::Label:
        writeLabel(out, control);
        break;
    }
    out << "\n";
}

void writeHead(std::ostringstream &out)
{
    out << "<!DOCTYPE html>\n<html lang=\"" << page::language << "\">\n<head>\n"
        << "<meta charset=\"utf-8\">\n"
        << R"(<meta http-equiv="Content-Security-Policy" content=")" << contentSecurityPolicy
        << "\">\n"
        << "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        << "<meta name=\"color-scheme\" content=\"light\">\n"
        << "<title>" << html(form::window.accessibleName) << "</title>\n"
        << R"(<link rel="manifest" href=")" << manifestFile << "\">\n"
        << R"(<link rel="icon" href=")" << iconFile(webIconSizes.front()) << "\">\n"
        << R"(<link rel="stylesheet" href=")" << styleSheet << "\">\n"
        << R"(<script src=")" << moduleScript << "\" defer></script>\n"
        << R"(<script src=")" << pageScript << "\" defer></script>\n"
        << "</head>\n";
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

std::string pageHtml()
{
    std::ostringstream out;
    writeHead(out);
    // Busy until the search is loaded and the buttons do something.
    out << "<body>\n<main id=\"" << form::window.name << "\" aria-busy=\"true\">\n";
    for (const std::size_t index : form::readingOrder) {
        writeControl(out, form::controls.at(index));
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
