// A style for the fade options: their captions sit close to the indicator,
// so "3" and "10" fit the narrow boxes of the design.
#pragma once

#include <QProxyStyle>

namespace hueloom {

class OptionStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace hueloom
