#include "settings/Colour.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstdlib>

TEST(Colour, RgbToHsv) {
    const struct {
        float r, g, b, h, s, v;
    } cases[] = {
        {255, 0, 0, 0, 1, 255},
        {0, 0, 255, 240, 1, 255},
        {255, 0, 255, 300, 1, 255},  // red wins the tie for the maximum
        {0, 255, 255, 180, 1, 255},
        {0, 255, 0, 120, 1, 255},
        {128, 128, 128, 359, 0, 128},  // grey: 0/0 hue shows as the last degree
        {0, 0, 0, 0, 0, 0},
        {255, 0, 1, 359, 1, 255},  // 359.76 from the sector step
        {300, 0, 0, 0, 1, 255},    // value clamped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << "," << c.g << "," << c.b);
        const HSVF hsv = RgbToHsv(c.r, c.g, c.b);
        EXPECT_FLOAT_EQ(hsv.h, c.h);
        EXPECT_FLOAT_EQ(hsv.s, c.s);
        EXPECT_FLOAT_EQ(hsv.v, c.v);
    }
}

TEST(Colour, HsvToRgb) {
    const struct {
        float h, s, v, r, g, b;
    } cases[] = {
        {300, 1, 255, 255, 0, 255},
        {120, 1, 255, 0, 255, 0},
        {77, 0, 200, 200, 200, 200},  // no saturation: hue ignored
        {240, 0.5f, 100, 50, 50, 100},
        {30, 1, 255, 255, 127.5f, 0},
        {360, 1, 255, 255, 0, 255},  // sector 6 falls to the last sector's formula
        {-30, 1, 255, 255, 0, 127.5f},
        {0, 1.5f, 255, 255, 0, 0},  // components clamped
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.h << "," << c.s << "," << c.v);
        const RGBF rgb = HsvToRgb(c.h, c.s, c.v);
        EXPECT_FLOAT_EQ(rgb.r, c.r);
        EXPECT_FLOAT_EQ(rgb.g, c.g);
        EXPECT_FLOAT_EQ(rgb.b, c.b);
    }
    HsvToRgb(NAN, 1, 255);  // must not fault
}

TEST(Colour, HexText) {
    EXPECT_EQ(RgbToHex(254.9f, 0, 16), L"FE0010");
    EXPECT_EQ(RgbToHex(300, -4, NAN), L"FF0000");

    const struct {
        const wchar_t* text;
        float r, g, b;
    } cases[] = {
        {L"ff8000", 255, 128, 0}, {L"12", 18, 0, 0},    {L"zzzzzz", 0, 0, 0},
        {L"", 0, 0, 0},           {L"0x1F2", 0, 31, 2}, {L"A", 10, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text);
        const RGBF rgb = HexToRgb(c.text);
        EXPECT_EQ(rgb.r, c.r);
        EXPECT_EQ(rgb.g, c.g);
        EXPECT_EQ(rgb.b, c.b);
    }
}

TEST(Colour, PackTruncatesAndClamps) {
    EXPECT_EQ(PackColour(254.9f, 128.5f, -3), RGB(254, 128, 0));
    EXPECT_EQ(PackColour(1000, NAN, 0.99f), RGB(255, 0, 0));
}

// The integers the panel shows, where rounding every step in single precision
// would land one lower.
TEST(Colour, PanelIntegersRoundOnlyWhereKept) {
    EXPECT_EQ((int)HsvToRgb(12, 1, 255).g, 51);
    EXPECT_EQ((int)RgbToHsv(170, 255, 0).h, 80);
    const RGBF dim = HsvToRgb(0, (float)(54 * 0.01), 100);  // saturation slider at 54
    EXPECT_EQ((int)dim.g, 45);
    EXPECT_EQ((int)dim.b, 45);
}

// What the panel relies on: an edit in one form comes back unchanged through the other.
TEST(Colour, RoundTripThroughHsvKeepsTheColour) {
    for (int r = 0; r <= 255; r += 15)
        for (int g = 0; g <= 255; g += 17)
            for (int b = 0; b <= 255; b += 51) {
                const HSVF hsv = RgbToHsv((float)r, (float)g, (float)b);
                const RGBF back = HsvToRgb(hsv.h, hsv.s, hsv.v);
                ASSERT_LE(std::abs(r - back.r), 1.0f) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(g - back.g), 1.0f) << r << "," << g << "," << b;
                ASSERT_LE(std::abs(b - back.b), 1.0f) << r << "," << g << "," << b;
                const RGBF hex = HexToRgb(RgbToHex(back.r, back.g, back.b));
                EXPECT_EQ(PackColour(hex), PackColour(back));
            }
}
