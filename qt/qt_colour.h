// Packed colour values as Qt's colours and back.
#pragma once

#include <QColor>
#include <cstdint>

#include "host/packed_colour.h"

namespace hueloom {

// Each component from its own byte; bits above the low 24 are ignored.
inline QColor ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline std::int32_t FromQColor(const QColor& colour) {
    return PackedColour(colour.red(), colour.green(), colour.blue());
}

}  // namespace hueloom
