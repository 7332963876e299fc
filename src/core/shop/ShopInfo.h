#pragma once

#include "core/base/Language.h"
#include "core/shop/ThemePalette.h"

#include <QString>
#include <QStringList>

#include <optional>

// The shop's information file (VL Info.txt): name, address, phone, extra line, theme colour, remark,
// ticket legend, one per line; and what the window makes of it.
struct ShopInfo {
    QString brand;
    QString windowCaption;
    QString brandTooltip;
    QString address;
    QString phone;
    QString extra;
    QString remark;
    QString legend; // the default legend when the file gives none
    Rgb theme = ThemePalette::kDefaultBase;

    // The lines of the file, or none when there is no file.
    static ShopInfo read(const std::optional<QStringList>& lines, const Language& language);
};
