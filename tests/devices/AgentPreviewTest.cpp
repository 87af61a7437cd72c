// The stand-in agent's preview: which colours each effect may show.
#include "standins/agent/Effects.h"
#include <gtest/gtest.h>

namespace {
StripState Strip(int effect) {
    StripState s;
    s.nEffect = effect;
    const COLORREF slots[8] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF, 0xFFFFFF, 0x7D007D};
    std::copy(std::begin(slots), std::end(slots), s.colours);
    s.nColours = 8;
    return s;
}
}  // namespace

TEST(AgentPreview, EveryEffectNumberHasALook) {
    for (int e = 1; e <= 14; ++e) {
        ASSERT_NE(FindEffectLook(e), nullptr) << e;
        EXPECT_EQ(StripAnimates(Strip(e)), e != 1) << e;
    }
    for (int e : {0, 15, 16, -1}) {
        EXPECT_EQ(FindEffectLook(e), nullptr) << e;
        EXPECT_FALSE(StripAnimates(Strip(e)));
        EXPECT_EQ(StripLedColour(Strip(e), 0, 8, 1.0), 0u);
    }
}

TEST(AgentPreview, SingleColourEffectsShowOnlyTheFirstSlot) {
    for (int e = 1; e <= 14; ++e) {
        if (FindEffectLook(e)->nColours != 1) continue;
        bool lit = false;
        for (int frame = 0; frame < 300; ++frame)
            for (int led = 0; led < 8; ++led) {
                COLORREF c = StripLedColour(Strip(e), led, 8, frame / 30.0);
                EXPECT_EQ(c & 0xFFFF00, 0u) << "effect " << e;  // red only: slot 0
                lit = lit || c != 0;
            }
        EXPECT_TRUE(lit) << "effect " << e;
    }
}

TEST(AgentPreview, SlotsSwitchAndDirection) {
    StripState s = Strip(1);
    s.nColours = 3;  // LEDs repeat the slots in use
    EXPECT_EQ(StripLedColour(s, 4, 8, 0), s.colours[1]);
    s.bLedOn = false;
    EXPECT_FALSE(StripAnimates(s));
    EXPECT_EQ(StripLedColour(s, 4, 8, 0), 0u);

    StripState forward = Strip(4), backward = Strip(4);
    backward.nDirection = 1;
    for (int led = 0; led < 8; ++led)
        EXPECT_EQ(StripLedColour(backward, led, 8, 1.3), StripLedColour(forward, 7 - led, 8, 1.3));
}
