#include "ThemePalette.h"

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
