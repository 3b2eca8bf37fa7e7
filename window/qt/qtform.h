#pragma once

#include "colour.h"
#include "frmponderivaldescription.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <cstdint>
#include <string_view>

// The window's description in Qt's terms: places in pixels at 96 dpi (Qt scales them to the
// screen), points kept fractional, colours as QColor.
namespace ponderival::qt {

[[nodiscard]] inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline QColor toQColor(Colour colour)
{
    return {colour.red(), colour.green(), colour.blue()};
}

[[nodiscard]] inline Colour toColour(const QColor &colour)
{
    return Colour{static_cast<std::uint32_t>(colour.red()) |
                  static_cast<std::uint32_t>(colour.green()) << 8U |
                  static_cast<std::uint32_t>(colour.blue()) << 16U};
}

[[nodiscard]] inline QRect toQRect(const form::Twips &place)
{
    return {form::pixels(place.left), form::pixels(place.top), form::pixels(place.width),
            form::pixels(place.height)};
}

// In the described face, or in its substitute where the system lacks the face
// (configureApplication() registers those): asking for a face the system lacks would cost Qt a
// fontconfig search for other faces, at start-up, before it tried the substitute.
[[nodiscard]] inline QFont toQFont(const form::Font &font)
{
    QFont qtFont(QFont::substitute(toQString(font.face)));
    qtFont.setPointSizeF(font.points);
    qtFont.setBold(font.bold);
    // Every text of the window is in its own face, so Qt need not line up other faces to fall
    // back on, which costs a fontconfig search for each font at start-up.
    qtFont.setStyleStrategy(QFont::NoFontMerging);
    return qtFont;
}

} // namespace ponderival::qt
