// A drawing surface that draws nothing and records how far the text reaches.
#include "standin/extent_surface.h"

#include <algorithm>

namespace hueloom {

ExtentSurface::ExtentSurface(QtDrawingSurface& measurer) : measurer_(measurer) { FontChanged(); }

void ExtentSurface::SetFontName(std::u16string_view name) {
    measurer_.SetFontName(name);
    FontChanged();
}

void ExtentSurface::SetFontSize(float points) {
    measurer_.SetFontSize(points);
    FontChanged();
}

void ExtentSurface::SetFontBold(bool on) {
    measurer_.SetFontBold(on);
    FontChanged();
}

void ExtentSurface::SetFontItalic(bool on) {
    measurer_.SetFontItalic(on);
    FontChanged();
}

void ExtentSurface::SetFontUnderline(bool on) {
    measurer_.SetFontUnderline(on);
    FontChanged();
}

void ExtentSurface::SetFontStrikethru(bool on) {
    measurer_.SetFontStrikethru(on);
    FontChanged();
}

void ExtentSurface::Cls() {
    currentX_ = 0;
    currentY_ = 0;
}

void ExtentSurface::Print(std::u16string_view text) {
    const qreal right = currentX_ + measurer_.TextWidth(text);
    const qreal bottom = currentY_ + heights_.Height();
    extent_ = QSizeF(std::max(extent_.width(), right), std::max(extent_.height(), bottom));
}

}  // namespace hueloom
