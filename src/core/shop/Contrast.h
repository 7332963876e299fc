#pragma once

#include "core/shop/ThemePalette.h"

// Readability of text on a background, measured as the web's accessibility guidelines do: the relative
// luminance of each colour and the ratio (lighter + 0.05) / (darker + 0.05), from 1:1 to 21:1.
namespace Contrast {

inline constexpr double kReadable = 4.5; // the least ratio for ordinary text
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kNearWhite{250, 250, 250};
inline constexpr Rgb kWhite{255, 255, 255};

// 0 for black, 1 for white.
double luminance(Rgb colour);
double ratio(Rgb a, Rgb b);
// Black or near-white, by the luminance of the background: whichever reaches the readable ratio (black
// first); white itself in the narrow band of mid-tones where near-white falls just short.
Rgb textOn(Rgb background);
// The colour wished for when it is readable on the background, otherwise textOn(background).
Rgb textOn(Rgb background, Rgb wished);

} // namespace Contrast
