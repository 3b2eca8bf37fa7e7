#include "pagecss.h"

#include "frmponderivaldescription.h"
#include "pagefonts.h"
#include "pagestyle.h"
#include "pagetexts.h"
#include "textout.h"

#include <sstream>

namespace ponderival::web {

namespace {

using form::Control;
namespace page = form::page;

// The described face first, then its substitute where the system has them; else the cut-down
// copy of the substitute that comes with the page.
void writeFontFaces(std::ostringstream &css,
                    const std::function<std::string(const std::string &)> &fontUrl)
{
    for (const WebFont &font : webFonts()) {
        const std::string_view bold = font.bold ? " Bold" : "";
        css << R"(@font-face{font-family:")" << font.face->name << R"(";font-weight:)"
            << font.weight() << ";src:";
        if (!font.bold || font.face->scalable != page::regularOnlyFace) {
            css << R"(local(")" << font.face->scalable << bold << R"("),)";
        }
        css << R"(local(")" << font.face->substitute << bold << R"("),url(")"
            << fontUrl(font.webFile()) << "\") format(\"woff2\")}\n";
    }
}

void writePage(std::ostringstream &css)
{
    const std::string face = hexText(form::dialogFace);
    const std::string text = hexText(form::windowText);
    // A tap is a click at once: no double tap zooms.
    css << "html{height:100%;background:" << hexText(page::backdrop)
        << ";touch-action:manipulation}\n"
        << "body{margin:0;min-height:100%;display:grid;place-items:center;"
        << cssFont(form::windowFont) << "}\n"
        << "[hidden]{display:none!important}\n"
        << "#" << form::window.name << "{position:relative;width:" << px(form::window.width)
        << ";height:" << px(form::window.height) << ";overflow:hidden;background:" << face
        << ";color:" << text << ";" << cssFont(form::windowFont)
        << ";-webkit-user-select:none;user-select:none}\n"
        << "#" << form::window.name << ">*{position:absolute;box-sizing:border-box;margin:0;"
        << "overflow:hidden;text-align:center;white-space:pre}\n"
        // Read by a screen reader, never seen.
        << ".sr{position:absolute;left:0;top:0;width:1px;height:1px;overflow:hidden;"
        << "clip-path:inset(50%);white-space:nowrap}\n"
        << "#" << page::endedLine.id << ",noscript p{margin:0;padding:8px 12px;background:" << face
        << ";color:" << text << "}\n"
        << "a{color:inherit}\na:focus{outline:1px dotted}\n";
}

void writeControl(std::ostringstream &css, const Control &control)
{
    const form::Twips &place = control.place;
    css << "#" << control.name << "{left:" << px(place.left) << ";top:" << px(place.top)
        << ";width:" << px(place.width) << ";height:" << px(place.height) << ";"
        << cssFont(control.font);
    if (control.wordWrap) {
        css << ";white-space:normal";
    }
    if (control.kind == form::ControlKind::Shape) {
        css << ";border:1px solid " << hexText(form::windowText);
    }
    const bool coloured = control.fill == form::Fill::Colour;
    if (control.fill == form::Fill::WindowFace || coloured) {
        const Colour fill = coloured ? control.background : form::dialogFace;
        if (control.kind == form::ControlKind::Button) {
            css << ";--face:" << hexText(fill) << ";--focus:" << hexText(focusColour(fill));
        } else {
            css << ";background:" << hexText(fill);
        }
    }
    css << "}\n";
}

// A raised edge, outer then inner, the bottom and right lines over the top and left ones at the
// corners; pressed, the edge is sunk and the caption moves a pixel down and right.
void writeButtons(std::ostringstream &css)
{
    const form::Edges &edges = form::buttonEdges;
    const auto edge = [&](Colour topLeft, Colour bottomRight) {
        return hexText(topLeft) + " " + hexText(bottomRight) + " " + hexText(bottomRight) + " " +
               hexText(topLeft);
    };
    const auto inner = [&](Colour topLeft, Colour bottomRight) {
        return "inset -1px -1px " + hexText(bottomRight) + ",inset 1px 1px " + hexText(topLeft);
    };
    css << "button{appearance:none;color:" << hexText(form::windowText)
        << ";--face:" << hexText(form::dialogFace)
        << ";--focus:" << hexText(focusColour(form::dialogFace))
        << ";background:var(--face);border:1px solid;border-radius:0;padding:0;"
        << "border-color:" << edge(edges.highlight, edges.darkShadow)
        << ";box-shadow:" << inner(edges.light, edges.shadow) << ";outline:0}\n"
        << "button:focus{outline:1px dotted var(--focus);outline-offset:-4px}\n"
        << "button:active{border-color:" << edge(edges.darkShadow, edges.highlight)
        << ";box-shadow:" << inner(edges.shadow, edges.light) << ";padding:2px 0 0 2px}\n";
}

// The run-time error report, and the page that could not start in the window's place: a small
// raised window with a title, a text and one control.
void writeBoxes(std::ostringstream &css)
{
    const form::Edges &edges = form::buttonEdges;
    css << "[role=alertdialog]{box-sizing:border-box;padding:0;min-width:240px;border:1px solid;"
        << "border-color:" << hexText(edges.highlight) << " " << hexText(edges.darkShadow) << " "
        << hexText(edges.darkShadow) << " " << hexText(edges.highlight)
        << ";background:" << hexText(form::dialogFace) << ";color:" << hexText(form::windowText)
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

std::string pageCss(const std::function<std::string(const std::string &)> &fontUrl)
{
    std::ostringstream css;
    writeFontFaces(css, fontUrl);
    writePage(css);
    writeButtons(css);
    for (const Control &control : form::controls) {
        writeControl(css, control);
    }
    writeBoxes(css);
    return css.str();
}

} // namespace ponderival::web
