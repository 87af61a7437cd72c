#include "ControlTestParent.h"
#include "controls/PngHSliderBar.h"
#include "controls/PngRSliderBar2.h"
#include "controls/PngVSliderBar.h"
#include <gtest/gtest.h>

using namespace lktest;

namespace {

constexpr DWORD kTrackNormal = 0xC00000, kTrackDown = 0x00C000, kTrackDisable = 0x606060, kThumb = 0x0000C0;

// A horizontal slider 214 wide at x = 100 with a 14-wide thumb, and a
// vertical one 214 high at y = 50 with a 14-high thumb.
class Sliders : public ::testing::Test {
protected:
    void SetUp() override {
        h.Create(parent, 10002, RECT{100, 200, 314, 220});
        v.Create(parent, RECT{10, 50, 30, 264});
        CBitmap tn(SolidBitmap(214, 214, kTrackNormal)), td(SolidBitmap(214, 214, kTrackDown)),
            tx(SolidBitmap(214, 214, kTrackDisable));
        CBitmap hThumb(SolidBitmap(14, 10, kThumb)), vThumb(SolidBitmap(20, 14, kThumb));
        h.SetTrackImages(tn, td, tx, RECT{0, 0, 214, 20});
        h.SetThumbImages(hThumb, hThumb, hThumb, hThumb, 1);
        v.SetTrackImages(tn, td, tx, RECT{0, 0, 20, 214});
        v.SetThumbImages(vThumb, vThumb, vThumb, vThumb, 1);
        h.SetRange(0, 255);
        v.SetRange(0, 100);
        parent.Clear();
    }
    // The positions proposed since the last call, with the identity each carried.
    std::vector<std::pair<int, int>> Proposed() {
        std::vector<std::pair<int, int>> out;
        for (const Received& r : parent.Of(WM_LK_SLIDER_POS)) out.push_back({(int)r.w, (int)r.l});
        parent.Clear();
        return out;
    }
    TestParent parent;
    CPngHSliderBar h;
    CPngVSliderBar v;
};

}  // namespace

TEST_F(Sliders, PointerMapsToPosition) {
    struct Case { bool vertical; int parentCoord; int pos; };
    const Case cases[] = {
        {false, 207, 128},  // p = 100, f = 127.5 rounds up
        {false, 110, 0},    // p = 3, inside the first half thumb
        {false, 114, 9},    // p = 7: the first step jumps to 9
        {false, 320, 255},  // past the end
        {false, 90, 0},
        {true, 157, 50},    // p = 100, r = 2
        {true, 60, 2},      // p = 3: the vertical slider compares with its minimum
        {true, 56, 0},      // p = -1
        {true, 258, 100},   // p = 201 > 200
    };
    for (const Case& c : cases) {
        CPngSliderBase& s = c.vertical ? static_cast<CPngSliderBase&>(v) : h;
        POINT pt = c.vertical ? POINT{15, c.parentCoord} : POINT{c.parentCoord, 205};
        ::MapWindowPoints(parent, s, &pt, 1);
        EXPECT_EQ(s.PosFromPoint(pt), c.pos) << (c.vertical ? "vertical " : "horizontal ") << c.parentCoord;
    }
    // An empty range has one position: its minimum.
    h.SetRange(7, 7);
    EXPECT_EQ(h.PosFromPoint(POINT{107, 5}), 7);
    // Moved by a later layout pass, the slider maps from where it is now.
    h.SetRange(0, 255);
    h.MoveWindow(RECT{150, 200, 364, 220});
    POINT pt{257, 205};
    ::MapWindowPoints(parent, h, &pt, 1);
    EXPECT_EQ(h.PosFromPoint(pt), 128);
}

TEST_F(Sliders, PressAndReleasePostOnceAndDragPostsChanges) {
    h.SetPos(128);
    h.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(107, 5));
    EXPECT_TRUE(Proposed().empty());
    EXPECT_EQ(::GetCapture(), h.m_hWnd);
    h.SendMessage(WM_LBUTTONUP, 0, At(107, 5));
    EXPECT_EQ(Proposed(), (std::vector<std::pair<int, int>>{{128, 10002}}));
    EXPECT_NE(::GetCapture(), h.m_hWnd);

    // Moves at the current position propose nothing; the release always does.
    h.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(107, 5));
    h.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(107, 5));
    h.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(14, 5));
    h.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(107, 5));
    h.SendMessage(WM_LBUTTONUP, 0, At(107, 5));
    EXPECT_EQ(Proposed(), (std::vector<std::pair<int, int>>{{9, 10002}, {128, 10002}}));
    EXPECT_EQ(h.GetPos(), 128);  // the parent decides

    v.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(5, 107));
    v.SendMessage(WM_LBUTTONUP, 0, At(5, 107));
    EXPECT_EQ(Proposed(), (std::vector<std::pair<int, int>>{{50, CPngVSliderBar::kID}}));
}

TEST_F(Sliders, WheelStepsOneWithinTheRange) {
    struct Case { bool vertical; int pos; short delta; int proposed; };
    const Case cases[] = {
        {false, 255, 120, 255}, {false, 10, 120, 11}, {false, 10, -120, 9}, {false, 0, -120, 0}, {false, 5, 0, 4},
        {true, 3, 120, 2},      {true, 0, 120, 0},    {true, 3, -120, 4},   {true, 100, -120, 100},
    };
    for (const Case& c : cases) {
        CPngSliderBase& s = c.vertical ? static_cast<CPngSliderBase&>(v) : h;
        s.SetPos(c.pos);
        EXPECT_TRUE(s.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)c.delta), 0));
        auto got = Proposed();
        ASSERT_EQ(got.size(), 1u);
        EXPECT_EQ(got[0].first, c.proposed) << c.vertical << " " << c.pos << " " << c.delta;
        EXPECT_EQ(got[0].second, s.GetID());
    }
}

TEST_F(Sliders, RangeClampsThePosition) {
    struct Case { int pos, min, max, after; };
    for (const Case& c : {Case{150, 0, 100, 100}, Case{-5, 0, 100, 0}, Case{50, 0, 100, 50}, Case{1, -2, 2, 1}}) {
        h.SetPos(c.pos);
        h.SetRange(c.min, c.max);
        EXPECT_EQ(h.GetPos(), c.after);
    }
    h.SetPos(500);  // not clamped
    EXPECT_EQ(h.GetPos(), 500);
}

TEST_F(Sliders, PaintingFollowsPositionAndEnabledState) {
    struct Case { bool vertical; int pos; bool enabled; POINT probe; DWORD colour; };
    const Case cases[] = {
        {false, 0, true, {3, 2}, kThumb},            // thumb at the left, at the top
        {false, 0, true, {3, 19}, kTrackDown},       // below the top thumb, within half a thumb
        {false, 0, true, {50, 19}, kTrackNormal},    // the maximum side of the track
        {false, 255, true, {100, 10}, kTrackDown},   // left of the thumb
        {false, 255, true, {205, 2}, kThumb},
        {false, 0, false, {100, 10}, kTrackDisable},
        {true, 0, true, {5, 100}, kTrackDown},       // below the thumb
        {true, 100, true, {5, 100}, kTrackNormal},   // above it
        {true, 100, true, {15, 205}, kThumb},        // right-aligned at the bottom
        {true, 100, false, {5, 100}, kTrackNormal},  // no disabled track
    };
    for (const Case& c : cases) {
        CPngSliderBase& s = c.vertical ? static_cast<CPngSliderBase&>(v) : h;
        s.SetPos(c.pos);
        s.EnableWindow(c.enabled);
        const RECT rc = s.GetClientRect();
        Canvas cv(rc.right, rc.bottom);
        PrintInto(s, cv);
        EXPECT_EQ(cv.At(c.probe.x, c.probe.y) & 0xFFFFFF, c.colour)
            << c.vertical << " pos " << c.pos << " at " << c.probe.x << "," << c.probe.y;
        s.EnableWindow(TRUE);
    }
}

namespace {

// The dial of the main window: 200 by 200, range 0 to 359.
class Dial : public ::testing::Test {
protected:
    void SetUp() override {
        d.Create(parent, RECT{50, 50, 250, 250});
        d.SetRange(0, 359);
        parent.Clear();
    }
    std::vector<int> Proposed() {
        std::vector<int> out;
        for (const Received& r : parent.Of(WM_LK_SLIDER_POS)) {
            EXPECT_EQ(r.l, CPngRSliderBar2::kID);
            out.push_back((int)r.w);
        }
        parent.Clear();
        return out;
    }
    TestParent parent;
    CPngRSliderBar2 d;
};

}  // namespace

TEST_F(Dial, ReleasePointSetsTheAngle) {
    const RECT circle = d.GetCircle();
    const RECT want{13, 13, 187, 187};
    EXPECT_TRUE(::EqualRect(&circle, &want));
    struct Case { POINT pt; int raw; int reported; };
    const Case cases[] = {
        {{100, 190}, 0, 269},    // straight below
        {{10, 100}, 89, 180},    // left
        {{190, 100}, 269, 359},  // right
        {{100, 10}, 179, 90},    // above
        {{100, 100}, 179, 90},   // the very centre keeps the previous angle
    };
    for (const Case& c : cases) {
        d.SendMessage(WM_LBUTTONUP, 0, At(c.pt.x, c.pt.y));
        EXPECT_EQ(d.GetRaw(), c.raw) << c.pt.x << "," << c.pt.y;
        EXPECT_EQ(Proposed(), std::vector<int>{c.reported}) << c.pt.x << "," << c.pt.y;
    }
    // Every move of a drag proposes, changed or not.
    d.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(100, 190));
    d.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(100, 190));
    d.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, At(100, 190));
    d.SendMessage(WM_LBUTTONUP, 0, At(10, 100));
    EXPECT_EQ(Proposed(), (std::vector<int>{269, 269, 180}));
}

TEST_F(Dial, PositionsTurnByTheOffset) {
    struct Case { int set; int raw; int get; };
    for (const Case& c : {Case{10, 259, 10}, Case{0, 269, 359}, Case{180, 89, 180}, Case{359, 269, 359}}) {
        d.SetPos(c.set);
        EXPECT_EQ(d.GetRaw(), c.raw) << c.set;
        EXPECT_EQ(d.GetPos(), c.get) << c.set;
    }
    struct Wheel { int pos; short delta; int proposed; };
    for (const Wheel& w : {Wheel{1, 120, 0}, Wheel{359, -120, 1}, Wheel{100, 120, 99}, Wheel{100, -120, 101}}) {
        d.SetPos(w.pos);
        EXPECT_TRUE(d.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)w.delta), 0));
        EXPECT_EQ(Proposed(), std::vector<int>{w.proposed}) << w.pos << " " << w.delta;
        EXPECT_EQ(d.GetPos(), w.pos);  // the knob waits for the parent
    }
    // An empty range reports its minimum.
    d.SetRange(5, 5);
    EXPECT_EQ(d.GetPos(), 5);
    d.SendMessage(WM_LBUTTONUP, 0, At(10, 100));
    EXPECT_EQ(Proposed(), std::vector<int>{5});
}

TEST_F(Dial, PaintsKnobLineAndRedCentreAndTakesItsShape) {
    CBitmap dial(SolidBitmap(200, 200, 0x202020)), knob(SolidBitmap(10, 10, 0x00C000));
    d.SetTrackImages(dial, dial, RECT{0, 0, 200, 200});
    d.SetThumbImages(knob, knob, 1);
    d.SetPos(269);  // raw 0: knob straight below the centre, at (100, 187)
    Canvas cv(200, 200);
    PrintInto(d, cv);
    EXPECT_EQ(cv.At(100, 190) & 0xFFFFFF, 0x00C000u);
    EXPECT_EQ(cv.At(100, 100) & 0xFFFFFF, 0xFF0000u);  // the red disc
    EXPECT_EQ(cv.At(100, 30) & 0xFFFFFF, 0x202020u);
    EXPECT_GT(cv.At(100, 150) & 0xFF, 0x20u);            // the line down to the knob

    // The mask's white corners are cut away.
    CBitmap mask(SolidBitmap(200, 200, 0x000000));
    {
        CDC mem;
        mem.CreateCompatibleDC(nullptr);
        mem.SelectObject(mask);
        ::PatBlt(mem, 0, 0, 20, 20, WHITENESS);
    }
    d.SetWindowShape(mask);
    CRgn rgn(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(d, rgn), ERROR);
    EXPECT_FALSE(::PtInRegion(rgn, 5, 5));
    EXPECT_TRUE(::PtInRegion(rgn, 100, 100));
}
