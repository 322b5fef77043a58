#pragma once
// Colours, points, sizes and rectangles: in picture pixels inside a picture
// (x to the right, y downwards, (0, 0) at the picture's top-left corner), and
// in the same terms wherever else the program places something, on the
// worksheet or on a printed page.

#include <cstdint>

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
inline constexpr Rgb kRgbBlack{0, 0, 0};
inline constexpr Rgb kRgbRed{255, 0, 0};
inline constexpr Rgb kRgbBlue{0, 0, 255};
inline constexpr Rgb kRgbTeal{0, 128, 128};
inline constexpr Rgb kRgbGrey{128, 128, 128};

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Right- and bottom-exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // The rectangle of the given size with its top-left corner at (left, top).
    static constexpr PixelRect fromSize(int left, int top, int width, int height) {
        return {left, top, left + width, top + height};
    }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
