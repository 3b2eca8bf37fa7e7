#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Pictures of the Qt window, offscreen or on a real X server, against the stored one
// (tests/qt/golden), and its colours worked out here rather than by the window's own code.
namespace windowtest {

// How far a pixel may stray before it counts as different, and how many may: font rasterising
// differs by a shade here and there between library builds, a wrong layout differs everywhere.
inline constexpr int channelTolerance = 24;
inline constexpr double differingShareAllowed = 0.002;

// Take it again with PONDERIVAL_UPDATE_GOLDEN=1 ctest -R tst_windowpicture after a change of look.
[[nodiscard]] inline QString goldenPath()
{
    return QStringLiteral(PONDERIVAL_GOLDEN_DIR "/frmponderival.png");
}

[[nodiscard]] inline QImage golden()
{
    return QImage(goldenPath()).convertToFormat(QImage::Format_RGB32);
}

[[nodiscard]] inline qsizetype differencesAllowed(const QImage &golden)
{
    return static_cast<qsizetype>(differingShareAllowed *
                                  static_cast<double>(golden.width() * golden.height()));
}

// How many pixels differ by more than channelTolerance in any channel.
[[nodiscard]] inline qsizetype differingPixels(const QImage &a, const QImage &b)
{
    qsizetype differing = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
        for (int x = 0; x < std::min(a.width(), b.width()); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                   std::abs(qBlue(p) - qBlue(q))}) > channelTolerance;
        }
    }
    return differing;
}

// A colour written as the window's description writes it: red in the low byte.
[[nodiscard]] inline QColor fromLowByteRed(std::uint32_t value)
{
    return {static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
            static_cast<int>((value >> 16U) & 0xFFU)};
}

} // namespace windowtest
