#pragma once

#include <array>

// The six colours of the window, all made from one base colour.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// A text and the background it is painted on.
struct Ink {
    Rgb text;
    Rgb back;
};

class ThemePalette {
public:
    // Every text/background pair the windows paint from the palette; "Held" is the look while the
    // mouse button is held on the widget.
    enum Role {
        Brand,
        SideButton,
        SideButtonHeld,
        Title,
        TitleHeld,
        Amount,
        AmountHeld,
        EntryField,
        AddButton,
        AddButtonHeld,
        FinderLabel,
        Tab,
        TabFront,
        TabHeld,
        KeypadKey,
        KeypadKeyHeld,
        MenuBar,
        MenuBarSelected,
        Tooltip,
        KeyOn0, // a calculator key resting on colour 0 .. 4
        KeyOn1,
        KeyOn2,
        KeyOn3,
        KeyOn4,
        RoleCount
    };
    static constexpr Rgb kFrontTab{250, 250, 250};
    static constexpr Rgb kTooltipBack{255, 255, 225};

    static constexpr Rgb kDefaultBase{30, 120, 60};

    explicit ThemePalette(Rgb base = kDefaultBase);

    // 0: base + 40, 1: base + 20, 2: base, 3: base - 20, 4: base - 40, 5: (base - 40) - 40;
    // each channel kept within 0..255.
    Rgb operator[](int index) const { return m_colours[std::size_t(index)]; }
    Rgb base() const { return m_colours[2]; }
    // Text on buttons: black on a light theme (two channels of 200 or more), near-white otherwise.
    Rgb buttonText() const;
    // The colours of one role. Where a text colour is fixed (the button text above, the brand label in
    // colour 0, white titles) it is kept while it stays readable on its background (a contrast of
    // 4.5:1); otherwise the text is black or near-white by the background's luminance.
    Ink ink(Role role) const;

    static Rgb lighten(Rgb c, int by);
    static Rgb darken(Rgb c, int by);

private:
    std::array<Rgb, 6> m_colours;
};
