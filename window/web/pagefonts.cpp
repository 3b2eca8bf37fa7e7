#include "pagefonts.h"

#include "pagetexts.h"
#include "runtimeerror.h"

#include <algorithm>
#include <sstream>

namespace ponderival::web {

namespace {

// Whatever digits the search writes into the fields.
constexpr std::string_view fieldCharacters = "-0123456789";

void addText(std::vector<WebFont> &fonts, const form::Font &font, std::string_view text)
{
    const form::Face &face = form::faceOf(font);
    auto found = std::find_if(fonts.begin(), fonts.end(), [&](const WebFont &known) {
        return known.face == &face && known.bold == font.bold;
    });
    if (found == fonts.end()) {
        found = fonts.insert(fonts.end(), WebFont{&face, font.bold, {}});
    }
    found->text += text;
}

} // namespace

std::string WebFont::stem() const
{
    std::string name;
    std::copy_if(face->substitute.begin(), face->substitute.end(), std::back_inserter(name),
                 [](char c) { return c != ' '; });
    return name + (bold ? "-Bold" : "-Regular");
}

std::vector<WebFont> webFonts()
{
    std::vector<WebFont> fonts;
    for (const form::Control &control : form::controls) {
        if (control.visible && control.kind != form::ControlKind::Shape) {
            addText(fonts, control.font, control.text);
            const bool field = control.kind == form::ControlKind::Field;
            addText(fonts, control.font, field ? fieldCharacters : "");
        }
    }
    addText(fonts, form::buttonFont, form::stopRunningLook.caption);
    for (const form::page::PageText &text : form::page::pageTexts) {
        addText(fonts, text.font, text.text);
    }
    addText(fonts, form::page::reportHeading.font, runtimeErrorTitle);
    for (const RuntimeError &error :
         {RuntimeError::overflow(), RuntimeError::typeMismatch(), RuntimeError::internal()}) {
        addText(fonts, form::page::reportMessage.font, runtimeErrorText(error));
    }
    return fonts;
}

std::string cssFont(const form::Font &font)
{
    const form::Face &face = form::faceOf(font);
    std::ostringstream css;
    css << "font:" << (font.bold ? 700 : 400) << ' ' << font.points << R"(pt ")" << face.name
        << R"(",")" << face.substitute << '"';
    return css.str();
}

} // namespace ponderival::web
