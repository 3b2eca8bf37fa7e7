#include "frmponderival.h"
#include "page.h"
#include "pagetexts.h"
#include "runtimeerror.h"

#include <algorithm>
#include <sstream>

namespace ponderival::web {

namespace {

using form::Control;
namespace page = form::page;

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

// CSS pixels are pixels at 96 dpi, 15 twips each, whatever the screen: the browser scales them.
std::string px(int twips)
{
    return std::to_string(form::pixels(twips)) + "px";
}

std::string cssFont(const form::Font &font)
{
    std::ostringstream css;
    css << "font:" << (font.bold ? 700 : 400) << ' ' << font.points << R"(pt ")" << font.face
        << R"(",")" << form::faceOf(font).substitute << '"';
    return css.str();
}

// A raised edge's colours, top, right, bottom, left.
std::string edge(Colour topLeft, Colour bottomRight)
{
    return hexText(topLeft) + " " + hexText(bottomRight) + " " + hexText(bottomRight) + " " +
           hexText(topLeft);
}

// The described face first, then its substitute where the system has them; else the cut-down
// copy of the substitute that comes with the page, from a slot in the single page.
void writeFontFaces(std::ostringstream &css, Page kind)
{
    const bool single = kind == Page::Single;
    for (const WebFont &font : webFonts()) {
        const std::string_view bold = font.bold ? " Bold" : "";
        css << R"(@font-face{font-family:")" << font.face->name << R"(";font-weight:)"
            << font.weight() << ";src:";
        if (!font.bold || font.face->scalable != page::regularOnlyFace) {
            css << R"(local(")" << font.face->scalable << bold << R"("),)";
        }
        css << R"(local(")" << font.face->substitute << bold << R"("),url(")"
            << (single ? "@@data:font/woff2:" : "") << font.webFile() << (single ? "@@" : "")
            << "\") format(\"woff2\")}\n";
    }
}

// The desktop's own face and text colours where its theme is dark; where it is light, those of the
// desktop the window was described for (a light browser's ButtonFace is a shade off them). Forced
// colours replace both, and the browser does that by itself.
void writeColours(std::ostringstream &css)
{
    css << ":root{color-scheme:light dark;--window-face:" << hexText(form::dialogFace)
        << ";--window-text:" << hexText(form::windowText)
        << ";--window-focus:" << hexText(focusColour(form::dialogFace))
        << "}\n@media (prefers-color-scheme:dark){:root{--window-face:ButtonFace;"
        << "--window-text:ButtonText;--window-focus:ButtonText}}\n";
}

void writePage(std::ostringstream &css)
{
    const std::string face = "var(--window-face)";
    const std::string text = "var(--window-text)";
    writeColours(css);
    // A tap is a click at once: no double tap zooms.
    css << "html{height:100%;background:" << hexText(page::backdrop)
        << ";touch-action:manipulation}\nbody{margin:0;min-height:100%;display:grid;"
        << "place-items:center;" << cssFont(form::windowFont) << "}\n"
        << "[hidden]{display:none!important}\n#" << form::window.name
        << "{position:relative;width:" << px(form::window.width)
        << ";height:" << px(form::window.height) << ";overflow:hidden;background:" << face
        << ";color:" << text << ";" << cssFont(form::windowFont)
        << ";-webkit-user-select:none;user-select:none}\n#" << form::window.name
        << ">*{position:absolute;box-sizing:border-box;margin:0;overflow:hidden;"
        << "text-align:center;white-space:pre}\n"
        // Read by a screen reader, never seen.
        << ".sr{position:absolute;left:0;top:0;width:1px;height:1px;overflow:hidden;"
        << "clip-path:inset(50%);white-space:nowrap}\n#" << page::endedLine.id
        << ",noscript p{margin:0;padding:8px 12px;background:" << face << ";color:" << text
        << "}\na{color:inherit}\na:focus{outline:1px dotted}\n";
}

// A raised edge, outer then inner, the bottom and right lines over the top and left ones at the
// corners; pressed, the edge is sunk and the caption moves a pixel down and right.
void writeButtons(std::ostringstream &css)
{
    const form::Edges &edges = form::buttonEdges;
    const auto inner = [&](Colour topLeft, Colour bottomRight) {
        return "inset -1px -1px " + hexText(bottomRight) + ",inset 1px 1px " + hexText(topLeft);
    };
    css << "button{appearance:none;color:var(--window-text);--face:var(--window-face)"
        << ";--focus:var(--window-focus)"
        << ";background:var(--face);border:1px solid;border-radius:0;padding:0;border-color:"
        << edge(edges.highlight, edges.darkShadow)
        << ";box-shadow:" << inner(edges.light, edges.shadow) << ";outline:0}\n"
        << "button:focus{outline:1px dotted var(--focus);outline-offset:-4px}\n"
        << "button:active{border-color:" << edge(edges.darkShadow, edges.highlight)
        << ";box-shadow:" << inner(edges.shadow, edges.light) << ";padding:2px 0 0 2px}\n";
}

void writeControl(std::ostringstream &css, const Control &control)
{
    const form::Twips &place = control.place;
    css << "#" << control.name << "{left:" << px(place.left) << ";top:" << px(place.top)
        << ";width:" << px(place.width) << ";height:" << px(place.height) << ";"
        << cssFont(control.font) << (control.wordWrap ? ";white-space:normal" : "");
    if (control.kind == form::ControlKind::Shape) {
        css << ";border:1px solid var(--window-text)";
    }
    if (control.fill == form::Fill::WindowFace) {
        css << ";background:var(--window-face)";
    }
    // A fill of the window's own keeps its colour in every theme, forced colours included, and its
    // text stands out on it.
    if (control.fill == form::Fill::Colour) {
        const Colour fill = control.background;
        css << (control.kind == form::ControlKind::Button
                    ? ";--face:" + hexText(fill) + ";--focus:" + hexText(focusColour(fill))
                    : ";background:" + hexText(fill))
            << ";color:" << hexText(readableOn(fill, form::windowText))
            << ";forced-color-adjust:none";
    }
    css << "}\n";
}

// The run-time error report, and the page that could not start in the window's place: a small
// raised window with a title, a text and one control.
void writeBoxes(std::ostringstream &css)
{
    const form::Edges &edges = form::buttonEdges;
    css << "[role=alertdialog]{box-sizing:border-box;padding:0;min-width:240px;border:1px solid;"
        << "border-color:" << edge(edges.highlight, edges.darkShadow)
        << ";background:var(--window-face);color:var(--window-text)"
        << "}\ndialog::backdrop{background:none}\n"
        << "[role=alertdialog] h1{margin:0;padding:4px 8px;border-bottom:1px solid "
        << hexText(edges.shadow) << "}\n[role=alertdialog] p{margin:16px;white-space:pre-line}\n"
        << "#" << page::acknowledgeButton.id
        << "{display:block;width:75px;height:23px;margin:0 auto 12px}\n"
        << "#" << page::loadFailed.id << "{width:" << px(form::window.width) << "}\n"
        << "#" << page::reloadLink.id << "{display:inline-block;margin:0 16px 16px}\n";
    for (const page::PageText &shown : page::pageTexts) {
        css << "#" << shown.id << "{" << cssFont(shown.font) << "}\n";
    }
}

} // namespace

std::string WebFont::stem() const
{
    std::string name(face->substitute);
    std::erase(name, ' ');
    return name + (bold ? "-Bold" : "-Regular");
}

// Every text the page draws: the window's, cmdStop's other caption and the page's own.
std::vector<WebFont> webFonts()
{
    std::vector<WebFont> fonts;
    for (const Control &control : form::controls) {
        if (control.visible && control.kind != form::ControlKind::Shape) {
            const bool field = control.kind == form::ControlKind::Field;
            addText(fonts, control.font,
                    std::string(control.text).append(field ? fieldCharacters : ""));
        }
    }
    addText(fonts, form::buttonFont, form::stopRunningLook.caption);
    for (const page::PageText &text : page::pageTexts) {
        addText(fonts, text.font, text.text);
    }
    addText(fonts, page::reportHeading.font, runtimeErrorTitle);
    for (const RuntimeError &error :
         {RuntimeError::overflow(), RuntimeError::typeMismatch(), RuntimeError::internal()}) {
        addText(fonts, page::reportMessage.font, runtimeErrorText(error));
    }
    return fonts;
}

std::string pageCss(Page kind)
{
    std::ostringstream css;
    writeFontFaces(css, kind);
    writePage(css);
    writeButtons(css);
    for (const Control &control : form::controls) {
        writeControl(css, control);
    }
    writeBoxes(css);
    return css.str();
}

} // namespace ponderival::web
