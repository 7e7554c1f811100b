// A compact style for the window's narrow controls.
#include "qt/qt_compact_style.h"

namespace hueloom {

int CompactStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    if (metric == PM_RadioButtonLabelSpacing) return 2;
    // The bars are 57 pixels tall: the default thumb would leave it 3 to travel.
    if (metric == PM_ScrollBarSliderMin) return 8;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace hueloom
