#pragma once

#include <functional>
#include <string_view>

// A 5 x 7 dot font built into the generator, so that the legends come out
// the same whatever fonts the machine has installed.
class PixelFont
{
public:
    static constexpr int GlyphWidth = 5;
    static constexpr int GlyphHeight = 7;
    static constexpr int Advance = GlyphWidth + 1;

    static int textWidth(std::string_view text);

    // Calls plot(column, row) for every dot of the text, the text's top
    // left dot being (0, 0).
    static void forEachDot(std::string_view text, const std::function<void(int, int)> &plot);
};
