#include "ControlTestParent.h"
#include "controls/ClrEdit.h"
#include "controls/ColorBtn2.h"
#include "controls/PngHSliderBar.h"
#include "controls/PngListBtn.h"
#include "controls/PngRSliderBar2.h"
#include "controls/PngVSliderBar.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

using namespace lktest;

// Every control, fully dressed and painted, leaves no GDI object behind.
TEST(Controls, NothingIsLeftBehind) {
    TestParent parent;
    CBitmap pic(SolidBitmap(64, 64, 0x808080)), back(SolidBitmap(300, 300, 0x101010));
    const RECT rc{10, 10, 74, 74}, all{0, 0, 64, 64};
    struct Case { const char* name; std::function<std::unique_ptr<CWnd>()> make; };
    const DWORD button = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    const Case cases[] = {
        {"list button", [&] {
             auto b = std::make_unique<CPngListBtn>();
             b->Create(L"", button, rc, parent, 0);
             b->SetImages(pic, pic, pic, pic, all);
             b->SetBackground(back, rc);
             b->SetIcons(pic, pic, pic, RECT{0, 0, 16, 16});
             b->SetText(L"Go", 0);
             b->SetTooltipText(L"Go", TRUE);
             return b;
         }},
        {"swatch", [&] {
             auto b = std::make_unique<CColorBtn2>();
             b->Create(L"", button, rc, parent, 0);
             b->SetImages(pic, pic, pic, pic, all);
             b->SetSwatchSources(64, 64);
             b->SetBackground(back, rc);
             b->SetText(L"1", 0);
             b->SetSwatchColour(1, 2, 3);
             return b;
         }},
        {"horizontal slider", [&] {
             auto s = std::make_unique<CPngHSliderBar>();
             s->Create(parent, 10002, rc);
             s->SetTrackImages(pic, pic, pic, all);
             s->SetThumbImages(pic, pic, pic, pic, 1);
             s->SetBackground(back, rc);
             return s;
         }},
        {"vertical slider", [&] {
             auto s = std::make_unique<CPngVSliderBar>();
             s->Create(parent, rc);
             s->SetTrackImages(pic, pic, nullptr, all);
             s->SetThumbImages(pic, pic, pic, pic, 1);
             s->SetBackground(back, rc);
             return s;
         }},
        {"dial", [&] {
             auto d = std::make_unique<CPngRSliderBar2>();
             d->Create(parent, rc);
             d->SetTrackImages(pic, pic, all);
             d->SetThumbImages(pic, pic, 1);
             d->SetWindowShape(pic);
             return d;
         }},
        {"colour edit", [&] {
             auto e = std::make_unique<CClrEdit>();
             e->Create(WS_CHILD | WS_VISIBLE, rc, parent, 0);
             e->SetBkBitmap(pic, all);
             e->SetEditFont(L"Arial", 16);
             e->SetWindowText(L"12");
             return e;
         }},
    };
    for (const Case& c : cases) {
        for (bool parentFirst : {false, true}) {
            const long before = gdi::LiveObjects();
            std::unique_ptr<CWnd> w = c.make();
            ASSERT_TRUE(w->m_hWnd) << c.name;
            ::RedrawWindow(parent, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpMessages();
            // Either the window goes first (as with the main window) or the object does.
            if (parentFirst) w->DestroyWindow();
            w.reset();
            EXPECT_EQ(gdi::LiveObjects(), before) << c.name << (parentFirst ? ", window first" : "");
        }
    }
}
