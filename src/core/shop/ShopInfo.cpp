#include "ShopInfo.h"

#include "core/base/Numbers.h"
#include "core/shop/AppTexts.h"

#include <algorithm>
#include <cmath>

ShopInfo ShopInfo::read(const std::optional<QStringList>& lines, const Language& language) {
    ShopInfo info;
    const QString title = language(AppTexts::ProgramTitle);
    if (!lines) {
        info.brand = language(AppTexts::MyBusiness);
        info.windowCaption = title;
        info.legend = language(AppTexts::DefaultLegend);
        return info;
    }
    const auto line = [&](int i) { return i < lines->size() ? lines->at(i) : QString(); };
    info.brand = line(0);
    info.windowCaption = title + QStringLiteral(" - ") + info.brand.toUpper();
    info.address = line(1);
    info.phone = line(2);
    info.extra = line(3);
    const QStringList parts = line(4).split(u' ');
    if (!line(4).isEmpty() && parts.size() >= 3) {
        const auto channel = [&](int i) {
            return int(std::clamp(std::round(Numbers::leading(parts[i])), 0.0, 255.0));
        };
        info.theme = Rgb{channel(0), channel(1), channel(2)};
    }
    info.remark = line(5);
    info.legend = line(6);
    if (info.legend.isEmpty()) info.legend = language(AppTexts::DefaultLegend);
    info.brandTooltip = QStringLiteral(" ") + info.brand + QStringLiteral(" - \"") + info.address + u'"' +
                        language(AppTexts::TooltipPhone) + info.phone + QStringLiteral(" | ") + info.extra +
                        u' ';
    if (!info.remark.trimmed().isEmpty()) info.windowCaption += QStringLiteral(" (") + info.remark + u')';
    return info;
}
