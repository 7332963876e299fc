#pragma once

#include <array>

// The six colours of the window, all made from one base colour.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

class ThemePalette {
public:
    static constexpr Rgb kDefaultBase{30, 120, 60};

    explicit ThemePalette(Rgb base = kDefaultBase);

    // 0: base + 40, 1: base + 20, 2: base, 3: base - 20, 4: base - 40, 5: (base - 40) - 40;
    // each channel kept within 0..255.
    Rgb operator[](int index) const { return m_colours[std::size_t(index)]; }
    Rgb base() const { return m_colours[2]; }
    // Text on buttons: black on a light theme (two channels of 200 or more), near-white otherwise.
    Rgb buttonText() const;

    static Rgb lighten(Rgb c, int by);
    static Rgb darken(Rgb c, int by);

private:
    std::array<Rgb, 6> m_colours;
};
