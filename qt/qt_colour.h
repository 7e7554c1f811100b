// Packed colour values as Qt's colours.
#pragma once

#include <QColor>
#include <cstdint>

namespace hueloom {

// Each component from its own byte; bits above the low 24 are ignored.
inline QColor ToQColor(std::int32_t colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

}  // namespace hueloom
