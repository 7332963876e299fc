#include "ChartLook.h"

#include "core/shop/Contrast.h"

namespace {
constexpr Rgb kCash{46, 125, 50};
constexpr Rgb kCard{240, 170, 40};

Rgb mix(Rgb a, Rgb b) {
    return {(a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2};
}
} // namespace

ChartLook ChartLook::of(const ThemePalette& palette) {
    ChartLook look;
    look.background = palette[0];
    look.text = Contrast::textOn(look.background);
    look.grid = mix(look.background, look.text);
    look.cash = kCash;
    look.card = kCard;
    return look;
}

ChartLook ChartLook::printed() {
    return {Contrast::kWhite, Contrast::kBlack, Rgb{190, 190, 190}, kCash, kCard};
}
