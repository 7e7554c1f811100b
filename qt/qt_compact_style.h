// A compact style for the window's narrow controls: fade options whose
// captions sit close to the indicator, so "3" and "10" fit the design's
// boxes, and bars with a short thumb, so a drag travels far enough to aim.
#pragma once

#include <QProxyStyle>

namespace hueloom {

class CompactStyle final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

}  // namespace hueloom
