// Packed colour values (red + 256 * green + 65536 * blue) and Qt's colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace hueloom {

constexpr std::int32_t PackedColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    return red + 256 * green + 65536 * blue;
}

inline QColor ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline std::int32_t FromQColor(const QColor& colour) {
    return PackedColour(colour.red(), colour.green(), colour.blue());
}

}  // namespace hueloom
