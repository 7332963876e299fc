#include "ThemePalette.h"

#include "core/shop/Contrast.h"

#include <algorithm>

namespace {
int clampChannel(int v) {
    return std::clamp(v, 0, 255);
}
} // namespace

Rgb ThemePalette::lighten(Rgb c, int by) {
    return {clampChannel(c.red + by), clampChannel(c.green + by), clampChannel(c.blue + by)};
}

Rgb ThemePalette::darken(Rgb c, int by) {
    return lighten(c, -by);
}

ThemePalette::ThemePalette(Rgb base)
    : m_colours{lighten(base, 40), lighten(base, 20), base,
                darken(base, 20),  darken(base, 40),  darken(darken(base, 40), 40)} {}

Rgb ThemePalette::buttonText() const {
    const Rgb b = base();
    const int light = int(b.red >= 200) + int(b.green >= 200) + int(b.blue >= 200);
    return light >= 2 ? Rgb{0, 0, 0} : Rgb{250, 250, 250};
}

Ink ThemePalette::ink(Role role) const {
    const auto on = [](Rgb back, Rgb wished) { return Ink{Contrast::textOn(back, wished), back}; };
    const Rgb button = buttonText();
    const Rgb black = Contrast::kBlack;
    const Rgb white = Contrast::kNearWhite;
    const auto& c = m_colours;
    switch (role) {
    case Brand:
        return on(c[5], c[0]);
    case SideButton:
    case AddButton:
        return on(c[2], button);
    case SideButtonHeld:
    case AddButtonHeld:
        return on(c[3], button);
    case Title:
        return on(c[4], white);
    case TitleHeld:
        return on(c[1], white);
    case Amount:
    case EntryField:
    case Tab:
        return on(c[0], black);
    case AmountHeld:
    case TabHeld:
        return on(c[1], black);
    case TabFront:
        return on(kFrontTab, black);
    case FinderLabel:
    case KeypadKey:
        return on(c[2], white);
    case KeypadKeyHeld:
        return on(c[3], white);
    case MenuBar:
        return on(c[4], white);
    case MenuBarSelected:
        return on(c[2], white);
    case Tooltip:
        return on(kTooltipBack, black);
    case KeyOn0:
    case KeyOn1:
    case KeyOn2:
    case KeyOn3:
    case KeyOn4:
        return on(c[std::size_t(role - KeyOn0)], button);
    case RoleCount:
        break;
    }
    return on(c[2], white);
}
