#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace {
double linear(int channel) {
    const double c = std::clamp(channel, 0, 255) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
} // namespace

double Contrast::luminance(Rgb colour) {
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double Contrast::ratio(Rgb a, Rgb b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb Contrast::textOn(Rgb background) {
    if (ratio(kBlack, background) >= kReadable) return kBlack;
    if (ratio(kNearWhite, background) >= kReadable) return kNearWhite;
    return ratio(kWhite, background) > ratio(kBlack, background) ? kWhite : kBlack;
}

Rgb Contrast::textOn(Rgb background, Rgb wished) {
    return ratio(wished, background) >= kReadable ? wished : textOn(background);
}
