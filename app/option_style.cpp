// A style for the fade options: their captions sit close to the indicator.
#include "app/option_style.h"

namespace hueloom {

int OptionStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
    if (metric == PM_RadioButtonLabelSpacing) return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

}  // namespace hueloom
