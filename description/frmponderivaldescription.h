#pragma once

#include "colour.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

// The window frmPonderival as its users see it, written once: every window (Qt's, the Windows
// API's and the web page), every test and every script reads its places, texts, fonts and colours
// from here. Places are in twips, 1440 to the inch and 15 to a pixel at 96 dpi, so that the window
// keeps its proportions at any resolution.
namespace ponderival::form {

inline constexpr int twipsPerPixel = 15;

struct Twips
{
    int left;
    int top;
    int width;
    int height;
};

struct Font
{
    std::string_view face;
    double points;
    bool bold;

    friend constexpr bool operator==(const Font &, const Font &) = default;
};

// A described face, the scalable face Windows draws it with at any size (the raster "MS Sans Serif"
// has a few sizes only), and the face with the same metrics that Linux and the web page use.
struct Face
{
    std::string_view name;
    std::string_view scalable;
    std::string_view substitute;
};

inline constexpr std::array faces{
    Face{"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans"},
    Face{"Times New Roman", "Times New Roman", "Liberation Serif"},
};

// The window stores no font of its own, so controls without one use the system's default face.
inline constexpr Font windowFont{"MS Sans Serif", 8.25, false};
inline constexpr Font titleFont{"Times New Roman", 14.25, true};
inline constexpr Font tableFont{"MS Sans Serif", 12.0, true};
inline constexpr Font buttonFont{"MS Sans Serif", 9.75, true};

// A field is a label whose text is the search's storage; the search finds its fields here.
enum class ControlKind { Label, Field, Button, Shape };

// A transparent label shows what lies beneath it; the statement is filled with the window's own
// face colour; the fields and the buttons have colours of their own.
enum class Fill { None, Transparent, WindowFace, Colour };

struct Control
{
    std::string_view name;
    ControlKind kind;
    Twips place;
    std::string_view text;
    Fill fill;
    Colour background;
    Font font;
    bool wordWrap;
    bool visible;
    // The control whose text heads this one's column, for the fields of the table.
    std::string_view heading;
    // What a screen reader calls a control that shows no text of its own to go by.
    std::string_view accessibleName = {};
};

inline constexpr std::string_view title = "Quesito delle case numerate";

struct Window
{
    std::string_view name;
    // No title bar shows the caption; a screen reader names the window after the puzzle instead.
    std::string_view caption;
    std::string_view accessibleName;
    int width;
    int height;
};

inline constexpr Window window{"frmPonderival", "Form1", title, 4710, 4380};

// The tick source of the search, disabled as the window opens.
struct Timer
{
    std::string_view name;
    int intervalMilliseconds;
};

inline constexpr Timer timer1{"Timer1", 10};

inline constexpr Colour white{0xFFFFFF};
inline constexpr Colour lightYellow{0xC0FFFF};
inline constexpr Colour lightGreen{0xC0FFC0};
inline constexpr Colour lightRed{0xC0C0FF};
inline constexpr Colour lightCyan{0xFFFFC0};

// Where the platform has no dialog face and edge colours of its own to lend (Linux, the web), the
// window uses those of the desktop it was described for.
inline constexpr Colour dialogFace{0xF0F0F0};
inline constexpr Colour windowText{0x000000};

struct Edges
{
    Colour highlight;
    Colour light;
    Colour shadow;
    Colour darkShadow;
};

inline constexpr Edges buttonEdges{Colour{0xFFFFFF}, Colour{0xE3E3E3}, Colour{0xA0A0A0},
                                   Colour{0x696969}};

// cmdStop's two looks: Idle, as the window opens, and Running.
struct ButtonLook
{
    std::string_view caption;
    Colour background;
};

inline constexpr ButtonLook stopIdleLook{"Avanti!", lightGreen};
inline constexpr ButtonLook stopRunningLook{"Stop!", lightRed};

inline constexpr std::string_view statement =
    "In una strada ci sono alcune case (da 50 a 500) allineate e numerate 1,2,3,4... "
    "consecutivamente. Fra queste c'è n'è una tale che la somma di tutti i numeri che la precedono "
    "è uguale alla somma di tutti i numeri delle case che la seguono. Qual è il numero di questa "
    "casa?";

using enum ControlKind;
using enum Fill;

// In tab order, which is also the order of creation; the unseen controls lie outside the window.
// One control to a row, as a table reads.
// clang-format off
inline constexpr std::array controls{
    Control{"lblN", Field, {4320, 8280, 375, 375}, "1", Colour, white, tableFont, false, false, {},
            "Ultima casa prima del candidato"},
    Control{"lblTot", Field, {360, 1320, 1695, 375}, "1", Colour, white, tableFont, false, true,
            "Label1"},
    Control{"lblCivico", Field, {2280, 1320, 975, 375}, "2", Colour, lightYellow, tableFont, false,
            true, "Label2"},
    Control{"cmdAvanti", Button, {5640, 6840, 975, 615}, "Avanti!", None, {}, windowFont, false,
            false, {}},
    Control{"cmdStop", Button, {1200, 1920, 975, 615}, stopIdleLook.caption, Colour,
            stopIdleLook.background, buttonFont, false, true, {}},
    Control{"cmdEsc", Button, {2640, 1920, 975, 615}, "Esc", Colour, lightCyan, buttonFont, false,
            true, {}},
    Control{"lblTot2", Field, {12120, 3960, 1695, 375}, "1", Colour, white, tableFont, false, false,
            {}, "Somma delle case dopo il candidato"},
    Control{"lblCase", Field, {3360, 1320, 975, 375}, "", Colour, white, tableFont, false, true,
            "Label3"},
    Control{"Label1", Label, {360, 960, 1695, 375}, "Somma", Transparent, {}, tableFont, false, true,
            {}},
    Control{"Label2", Label, {2280, 960, 975, 375}, "Numero", Transparent, {}, tableFont, false,
            true, {}},
    Control{"Label3", Label, {3360, 960, 975, 375}, "Case", Transparent, {}, tableFont, false, true,
            {}},
    Control{"Label4_0", Label, {240, 240, 4215, 375}, title, Transparent, {}, titleFont, false,
            true, {}},
    Control{"Label4_1", Label, {240, 2760, 4215, 375},
            "Programma realizzato dagli sviluppatori di Ponderival", Transparent, {}, windowFont,
            false, true, {}},
    Control{"Label5", Label, {120, 3240, 4455, 1095}, statement, WindowFace, {}, windowFont, true,
            true, {}},
    Control{"Label6", Label, {360, 600, 4095, 255}, "(problema ispirato da #quolsitan)",
            Transparent, {}, windowFont, false, true, {}},
    // The frame has no tab index; its one-pixel line shows through the transparent labels.
    Control{"Shape1", Shape, {120, 120, 4455, 3015}, {}, None, {}, windowFont, false, true, {}},
};
// clang-format on

// The control's place in the tab order, which the windows also use for their child ids.
[[nodiscard]] constexpr std::optional<std::size_t> controlIndex(std::string_view name)
{
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (controls.at(index).name == name) {
            return index;
        }
    }
    return std::nullopt;
}

[[nodiscard]] constexpr std::optional<Control> findControl(std::string_view name)
{
    const std::optional<std::size_t> index = controlIndex(name);
    return index ? std::optional<Control>(controls.at(*index)) : std::nullopt;
}

// A control of the table. The model and the windows name controls by the constants below; an
// index from outside (another program's message, the page's script) becomes one through at(),
// which refuses whatever the table does not hold.
class ControlId
{
public:
    template <std::integral Index>
    [[nodiscard]] static constexpr std::optional<ControlId> at(Index index) noexcept
    {
        if (!std::in_range<std::size_t>(index) ||
            static_cast<std::size_t>(index) >= controls.size()) {
            return std::nullopt;
        }
        return ControlId(static_cast<std::size_t>(index));
    }
    [[nodiscard]] static consteval ControlId named(std::string_view name)
    {
        return ControlId(controlIndex(name).value());
    }

    [[nodiscard]] constexpr std::size_t index() const { return m_index; }
    [[nodiscard]] constexpr const Control &control() const { return controls.at(m_index); }

    friend constexpr bool operator==(ControlId, ControlId) = default;

private:
    constexpr explicit ControlId(std::size_t index) : m_index(index) {}

    std::size_t m_index;
};

inline constexpr ControlId cmdAvanti = ControlId::named("cmdAvanti");
inline constexpr ControlId cmdStop = ControlId::named("cmdStop");
inline constexpr ControlId cmdEsc = ControlId::named("cmdEsc");
inline constexpr ControlId Shape1 = ControlId::named("Shape1");

[[nodiscard]] constexpr bool isLabel(const Control &control)
{
    return control.kind == ControlKind::Label || control.kind == ControlKind::Field;
}

// Labels take no focus and cmdAvanti is unseen: the keyboard moves between the two seen buttons.
[[nodiscard]] constexpr bool takesFocus(const Control &control)
{
    return control.kind == ControlKind::Button && control.visible;
}

// The seen controls from top to bottom and left to right, then the unseen ones: the order in which
// they lie on each other and in which a screen reader walks them. The table itself is in tab
// order, which puts the fields before their headings.
inline constexpr std::array<std::size_t, controls.size()> readingOrder = [] {
    const auto before = [](const Control &a, const Control &b) {
        if (a.visible != b.visible) {
            return a.visible;
        }
        return a.place.top != b.place.top ? a.place.top < b.place.top : a.place.left < b.place.left;
    };
    std::array<std::size_t, controls.size()> order{};
    for (std::size_t index = 0; index < order.size(); ++index) {
        std::size_t slot = index;
        for (; slot > 0 && before(controls.at(index), controls.at(order.at(slot - 1))); --slot) {
            order.at(slot) = order.at(slot - 1);
        }
        order.at(slot) = index;
    }
    return order;
}();

[[nodiscard]] constexpr const Face &faceOf(const Font &font)
{
    for (const Face &face : faces) {
        if (face.name == font.face) {
            return face;
        }
    }
    return faces.front();
}

// Hundredths of a point, the finest size the fonts are given in: 8.25 is 825.
[[nodiscard]] constexpr int centipoints(const Font &font)
{
    const double hundredths = font.points * 100.0;
    const auto whole = static_cast<int>(hundredths);
    return hundredths - whole >= 0.5 ? whole + 1 : whole;
}

// Whole pixels at 96 dpi: every place in the description is a multiple of 15 twips.
[[nodiscard]] constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

[[nodiscard]] constexpr bool everyFaceKnown()
{
    for (const Control &control : controls) {
        if (faceOf(control.font).name != control.font.face) {
            return false;
        }
    }
    return true;
}

static_assert(!findControl("Timer1").has_value());
static_assert(everyFaceKnown());
static_assert(controls.at(readingOrder.front()).name == "Shape1");
static_assert(pixels(window.width) == 314 && pixels(window.height) == 292);
static_assert(centipoints(windowFont) == 825 && centipoints(titleFont) == 1425);

} // namespace ponderival::form
