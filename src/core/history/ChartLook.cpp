#include "ChartLook.h"

#include "core/shop/Contrast.h"

namespace {
constexpr Rgb kCash{46, 125, 50};
constexpr Rgb kCard{240, 170, 40};
// A bar stands out from the background when their contrast reaches this.
constexpr double kBarContrast = 1.8;

// The first colour that stands out from the background, else the last.
Rgb barOn(Rgb background, std::initializer_list<Rgb> colours) {
    for (const Rgb c : colours)
        if (Contrast::ratio(c, background) >= kBarContrast) return c;
    return *(colours.end() - 1);
}

Rgb mix(Rgb a, Rgb b) {
    return {(a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2};
}
} // namespace

ChartLook ChartLook::of(const ThemePalette& palette) {
    ChartLook look;
    look.background = palette[0];
    look.text = Contrast::textOn(look.background);
    look.grid = mix(look.background, look.text);
    look.cash = barOn(look.background, {kCash, Rgb{30, 80, 160}, palette[5]});
    look.card = barOn(look.background, {kCard, Rgb{130, 60, 170}, look.text});
    return look;
}

ChartLook ChartLook::printed() {
    return {Contrast::kWhite, Contrast::kBlack, Rgb{190, 190, 190}, kCash, kCard};
}
