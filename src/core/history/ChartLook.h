#pragma once

#include "core/shop/ThemePalette.h"

// The colours of the report's charts in the counter's theme: the background is the theme's lightest
// colour, and every text on it (titles, axis labels, legend) is readable on it (a contrast of 4.5:1).
// The bars of cash and card take colours of their own that stand out from the background, outlined
// in the text colour.
struct ChartLook {
    Rgb background;
    Rgb text;
    Rgb grid;
    Rgb cash;
    Rgb card;

    static ChartLook of(const ThemePalette& palette);
    // The look of a printed chart: black on white whatever the theme.
    static ChartLook printed();
};
