#include "cardicon.h"

namespace {

constexpr int Size = 32;

enum Colour {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White
};

const QList<QRgb> StandardPalette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),     qRgb(0, 128, 0),     qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),     qRgb(0, 255, 0),     qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255),   qRgb(0, 255, 255),   qRgb(255, 255, 255),
};

class Canvas
{
public:
    Canvas()
        : m_pixels(Size * Size, IcoWriter::Transparent)
    {
    }

    void set(int x, int y, int colour) { m_pixels[y * Size + x] = colour; }

    void fill(int left, int top, int right, int bottom, int colour)
    {
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x)
                set(x, y, colour);
    }

    QList<int> pixels() const { return m_pixels; }

private:
    QList<int> m_pixels;
};

} // namespace

IcoWriter::Picture CardIcon::picture()
{
    Canvas c;

    // Drop shadow first, so the card covers all but its lower right rim.
    c.fill(3, 7, 31, 28, Grey);
    c.fill(1, 5, 29, 26, Green);
    c.fill(1, 5, 29, 5, Lime);
    c.fill(1, 5, 1, 26, Lime);
    c.fill(1, 26, 29, 26, Teal);
    c.fill(29, 5, 29, 26, Teal);
    c.set(1, 5, IcoWriter::Transparent);
    c.set(29, 26, Teal);

    for (int x : {3, 26}) {
        c.fill(x, 8, x + 2, 23, Black);
        for (int y = 9; y <= 22; y += 2) {
            c.set(x + 1, y, Yellow);
        }
    }

    for (int x = 10; x <= 19; x += 3) {
        c.fill(x, 7, x + 1, 8, Maroon);
        c.set(x + 2, 8, Yellow);
    }

    c.fill(11, 11, 19, 19, Black);
    for (int i = 12; i <= 18; i += 2) {
        c.set(i, 10, Silver);
        c.set(i, 20, Silver);
        c.set(10, i, Silver);
        c.set(20, i, Silver);
    }
    c.set(12, 12, Grey);

    c.fill(7, 12, 8, 12, White);
    c.fill(7, 16, 8, 16, White);
    c.fill(22, 14, 23, 14, White);
    c.fill(22, 18, 23, 18, White);

    c.set(7, 25, Lime);
    c.fill(12, 22, 17, 28, Silver);
    c.fill(13, 23, 16, 23, White);
    c.fill(21, 23, 24, 28, Black);
    c.fill(22, 24, 23, 24, Grey);

    return {Size, Size, StandardPalette, c.pixels()};
}
