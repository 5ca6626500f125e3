// The coloured cell and its painters, checked by the pixels they leave in a
// 32-bit bitmap and on the screen.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "controls/advanced_button.h"
#include "controls/drawn_shapes.h"
#include "tests/support/cell_window_win.h"
#include "tests/support/dib_canvas_win.h"
#include "tests/support/live_objects_win.h"

namespace {
const COLORREF kGreen = RGB(0, 255, 0), kMagenta = RGB(255, 0, 255), kBlue = RGB(0, 0, 255);
const COLORREF kCaption = RGB(1, 1, 1), kWorkedCaption = RGB(255, 255, 0);
const COLORREF kGrey = RGB(128, 128, 128), kNearBlack = RGB(1, 1, 1);
const COLORREF kUntouched = DibCanvas::kUntouched;
COLORREF Grey(int level) { return RGB(level, level, level); }

// Cells sit 5 pixels in from the canvas edges: 60 x 24 and 40 x 20.
const RECT kRectCell{5, 5, 65, 29}, kEllipseCell{5, 5, 45, 25};
const DrawnRect kRect;
const DrawnEllipse kEllipse;
const UINT kPressedFocused = ODS_SELECTED | ODS_FOCUS;

std::unique_ptr<DibCanvas> Painted(const DrawnObject& shape, const RECT& cell, UINT state) {
    auto canvas = std::make_unique<DibCanvas>(cell.right + 5, cell.bottom + 5);
    shape.Draw(canvas->Dc(), cell, state, kGreen);
    return canvas;
}

// Row y as runs of pixel kinds: u untouched, r grey ring, k near black,
// F green face, ? anything else.
std::string Runs(const DibCanvas& canvas, int y) {
    std::string runs;
    for (int x = 0; x < canvas.Width(); ++x) {
        const COLORREF c = canvas.At(x, y);
        const char kind = c == kUntouched   ? 'u'
                          : c == kGrey      ? 'r'
                          : c == kNearBlack ? 'k'
                          : c == kGreen     ? 'F'
                                            : '?';
        if (runs.empty() || runs.back() != kind) runs += kind;
    }
    return runs;
}

// Nothing painted outside `cell`.
bool StaysInside(const DibCanvas& canvas, const RECT& cell) {
    const int all = canvas.Count(kUntouched, RECT{0, 0, canvas.Width(), canvas.Height()});
    const int area = (cell.right - cell.left) * (cell.bottom - cell.top);
    return all - canvas.Count(kUntouched, cell) == canvas.Width() * canvas.Height() - area;
}

COLORREF ScreenPixel(HWND window, int x, int y) { return GetPixel(WindowDc(window).Get(), x, y); }

void Scribble(HWND window) {
    RECT all{};
    GetClientRect(window, &all);
    Brush blue(CreateSolidBrush(kBlue));
    FillRect(WindowDc(window).Get(), &all, blue.Get());
}

}  // namespace

TEST(DrawnRect, FrameRingsFaceAndMarksAtTheirPixels) {
    struct Case {
        const char* what;
        UINT state;
        int x, y;
        COLORREF expected;
    } const cases[] = {
        {"outer top", 0, 30, 5, Grey(255)},
        {"outer left", 0, 5, 17, Grey(255)},
        {"outer right", 0, 64, 17, Grey(127)},
        {"outer bottom", 0, 30, 28, Grey(127)},
        {"top-right corner belongs to the right edge", 0, 64, 5, Grey(127)},
        {"inner top", 0, 30, 6, Grey(223)},
        {"inner left", 0, 6, 17, Grey(223)},
        {"inner right", 0, 63, 17, Grey(85)},
        {"inner bottom", 0, 30, 27, Grey(85)},
        {"face next to the frame", 0, 7, 17, kGreen},
        {"face in the middle", 0, 35, 17, kGreen},
        {"focus keeps the raised ring", ODS_FOCUS, 30, 5, Grey(255)},
        {"pressed and focused: sunken top", kPressedFocused, 30, 5, Grey(128)},
        {"pressed and focused: sunken right", kPressedFocused, 64, 17, Grey(255)},
        {"pressed and focused: inner ring stays", kPressedFocused, 30, 6, Grey(223)},
        {"disabled: the face as usual", ODS_DISABLED, 35, 17, kGreen},
    };
    for (const Case& c : cases) {
        auto canvas = Painted(kRect, kRectCell, c.state);
        EXPECT_EQ(canvas->At(c.x, c.y), c.expected) << c.what;
        EXPECT_TRUE(StaysInside(*canvas, kRectCell)) << c.what;
    }
}

TEST(DrawnRect, FrameWidthPicksRingsAndGreys) {
    struct Case {
        int width, x, y;
        COLORREF expected;
    } const cases[] = {
        {1, 30, 5, Grey(255)},  {1, 64, 17, Grey(128)},  {1, 30, 6, kUntouched},
        {-1, 30, 5, Grey(128)}, {-1, 64, 17, Grey(255)}, {-2, 30, 5, Grey(127)},
        {-2, 30, 6, Grey(85)},  {-2, 63, 17, Grey(223)}, {3, 30, 7, Grey(213)},
        {3, 62, 17, Grey(63)},  {3, 30, 8, kUntouched},  {0, 30, 5, kUntouched},
    };
    for (const Case& c : cases) {
        DibCanvas canvas(70, 34);
        kRect.DrawFrame(canvas.Dc(), kRectCell, c.width);
        EXPECT_EQ(canvas.At(c.x, c.y), c.expected)
            << "width " << c.width << " at " << c.x << "," << c.y;
    }
}

TEST(DrawnRect, FocusIsADottedRingTwoPixelsInAndPressedAloneLooksNormal) {
    auto normal = Painted(kRect, kRectCell, 0);
    EXPECT_TRUE(Painted(kRect, kRectCell, ODS_SELECTED)->SamePixels(*normal));
    auto focused = Painted(kRect, kRectCell, ODS_FOCUS);
    int changed = 0;
    for (int y = 0; y < normal->Height(); ++y)
        for (int x = 0; x < normal->Width(); ++x) {
            if (focused->At(x, y) == normal->At(x, y)) continue;
            ++changed;
            const bool onRing =
                (x == 7 || x == 62 || y == 7 || y == 26) && x >= 7 && x <= 62 && y >= 7 && y <= 26;
            EXPECT_TRUE(onRing) << x << "," << y;
        }
    EXPECT_GT(changed, 40) << "a dotted ring round a 56 x 20 area";
}

TEST(DrawnEllipse, GreyRingFaceAndMarks) {
    struct Case {
        const char* what;
        UINT state;
        const char* middleRow;  // y = 15
        bool nearBlack, grey;
    } const cases[] = {
        {"normal", 0, "urFru", false, true},
        {"pressed without focus looks normal", ODS_SELECTED, "urFru", false, true},
        {"focus: a dotted near-black ring inside", ODS_FOCUS, "urFkFru", true, true},
        {"pressed and focused: the ring turns near-black", kPressedFocused, "ukFkFku", true, false},
    };
    for (const Case& c : cases) {
        auto canvas = Painted(kEllipse, kEllipseCell, c.state);
        EXPECT_EQ(Runs(*canvas, 15), c.middleRow) << c.what;
        EXPECT_EQ(canvas->At(5, 5), kUntouched) << c.what << ": corners stay";
        EXPECT_EQ(canvas->At(44, 24), kUntouched) << c.what << ": corners stay";
        EXPECT_EQ(canvas->Count(kNearBlack, kEllipseCell) > 0, c.nearBlack) << c.what;
        EXPECT_EQ(canvas->Count(kGrey, kEllipseCell) > 0, c.grey) << c.what;
        EXPECT_TRUE(StaysInside(*canvas, kEllipseCell)) << c.what;
    }
    DibCanvas ring(50, 30);
    kEllipse.DrawFrame(ring.Dc(), kEllipseCell, 0);
    EXPECT_GT(ring.Count(kGrey, kEllipseCell), 40) << "width 0 draws the grey ring too";
}

TEST(DrawnShapes, EmptyOrInvertedRectanglesPaintNothing) {
    const RECT rects[] = {
        {20, 10, 20, 30}, {10, 20, 40, 20}, {40, 10, 10, 30}, {10, 30, 40, 10}, {30, 25, 5, 5}};
    const DrawnObject* shapes[] = {&kRect, &kEllipse};
    for (const DrawnObject* shape : shapes)
        for (const RECT& r : rects) {
            DibCanvas canvas(50, 40);
            HDC dc = canvas.Dc();
            shape->Draw(dc, r, kPressedFocused, kGreen);
            shape->DrawFrame(dc, r, 2);
            shape->DrawFrame(dc, r, -3);
            shape->Fill(dc, r, kGreen);
            shape->DrawFocus(dc, r, kGreen);
            shape->DrawCaption(dc, r, "EA4URE", kCaption);
            shape->Draw(nullptr, kRectCell, kPressedFocused, kGreen);
            shape->DrawCaption(dc, kRectCell, nullptr, kCaption);
            EXPECT_EQ(canvas.Count(kUntouched, RECT{0, 0, 50, 40}), 50 * 40)
                << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        }
}

TEST(CAdvancedButton, AttachFailsOnAMissingItemAndMakesTheCellOwnerDrawn) {
    CellWindow window({{1015, 60, "AB"}});
    CAdvancedButton cell;
    cell.m_faceColor = kBlue;
    cell.m_shape = 7;
    EXPECT_FALSE(cell.AttachToDlgItem(1019, window.Window(), kGreen, kCaption, kGrey));
    EXPECT_FALSE(cell.AttachToDlgItem(1015, nullptr, kGreen, kCaption, kGrey));
    EXPECT_EQ(cell.m_faceColor, kBlue);
    EXPECT_EQ(cell.m_shape, 7);
    EXPECT_EQ(cell.Window(), nullptr);

    ASSERT_TRUE(cell.AttachToDlgItem(1015, window.Window(), kGreen, kCaption, kGrey));
    EXPECT_EQ(GetWindowLongA(window.Item(1015), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(cell.m_faceColor, kGreen);
    EXPECT_EQ(cell.m_textColor, kCaption);
    EXPECT_EQ(cell.m_disabledTextColor, kGrey);
    EXPECT_EQ(cell.m_shape, 0);
    CAdvancedButton second;
    EXPECT_FALSE(second.AttachToDlgItem(1015, window.Window(), kGreen, kCaption, kGrey))
        << "taken already";
    // An object that goes before its window gives the item back; a window
    // that goes before its object leaves the object with none.
    CellWindow other({{1016, 60, "CD"}});
    {
        CAdvancedButton gone;
        ASSERT_TRUE(gone.AttachToDlgItem(1016, other.Window(), kGreen, kCaption, kGrey));
    }
    CAdvancedButton next;
    EXPECT_TRUE(next.AttachToDlgItem(1016, other.Window(), kGreen, kCaption, kGrey))
        << "given back";
    DestroyWindow(other.Window());
    EXPECT_EQ(next.Window(), nullptr);
}

TEST(CAdvancedButton, CaptionColourFollowsTheDisabledState) {
    CellWindow window({{1015, 60, "EA4URE"}});
    CAdvancedButton cell;
    ASSERT_TRUE(cell.AttachToDlgItem(1015, window.Window(), kGreen, kCaption, kGrey));
    struct Case {
        const char* what;
        COLORREF face, text;
        UINT state;
        COLORREF shown, absent;
    } const cases[] = {
        {"not worked", kGreen, kCaption, 0, kCaption, kGrey},
        {"worked", kMagenta, kWorkedCaption, 0, kWorkedCaption, kCaption},
        {"disabled", kGreen, kCaption, ODS_DISABLED, kGrey, kCaption},
    };
    for (const Case& c : cases) {
        cell.m_faceColor = c.face;
        cell.m_textColor = c.text;
        DibCanvas canvas(70, 34);
        DRAWITEMSTRUCT item{ODT_BUTTON,  1015,      0, ODA_DRAWENTIRE, c.state, window.Item(1015),
                            canvas.Dc(), kRectCell, 0};
        cell.DrawItem(item);
        const RECT middle{8, 8, 62, 26};
        EXPECT_GT(canvas.Count(c.shown, middle), 10) << c.what;
        EXPECT_EQ(canvas.Count(c.absent, middle), 0) << c.what;
        EXPECT_EQ(canvas.At(9, 17), c.face) << c.what;
    }
}

TEST(CAdvancedButton, RedrawRepaintsAtOnceEvenWithTheSameColours) {
    CellWindow window({{1015, 60, ""}});
    CAdvancedButton cell;
    ASSERT_TRUE(cell.AttachToDlgItem(1015, window.Window(), kGreen, kCaption, kGrey));
    cell.m_shape = 1;
    cell.Redraw();
    HWND button = window.Item(1015);
    EXPECT_EQ(ScreenPixel(button, 0, 0), GetSysColor(COLOR_BTNFACE))
        << "an ellipse leaves the corners";
    for (COLORREF face : {kMagenta, kGreen, kGreen}) {
        Scribble(button);
        cell.SetColors(face, kCaption);
        cell.Redraw();
        EXPECT_EQ(ScreenPixel(button, 30, 10), face);
    }
}

// The map windows set both colours at once: the cell repaints at the next
// WM_PAINT when either colour changes, and not at all when neither does.
TEST(CAdvancedButton, SetColorsLeavesARepaintOnlyWhenAColourChanges) {
    CellWindow window({{1015, 60, "MMM"}});
    CAdvancedButton cell;
    ASSERT_TRUE(cell.AttachToDlgItem(1015, window.Window(), kGreen, kCaption, kGrey));
    HWND button = window.Item(1015);
    cell.Redraw();
    cell.SetColors(kGreen, kCaption);
    EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE)) << "the same colours";
    struct Step {
        const char* what;
        COLORREF face, caption;
    };
    // Each step changes one colour only, so each half of the test is seen.
    const Step steps[] = {{"face alone", kMagenta, kCaption},
                          {"caption alone", kMagenta, kWorkedCaption},
                          {"face alone again", kGreen, kWorkedCaption},
                          {"caption alone again", kGreen, kCaption}};
    for (const Step& step : steps) {
        const COLORREF before = ScreenPixel(button, 3, 10);
        cell.SetColors(step.face, step.caption);
        EXPECT_TRUE(GetUpdateRect(button, nullptr, FALSE)) << step.what;
        EXPECT_EQ(ScreenPixel(button, 3, 10), before) << step.what << ": painted before WM_PAINT";
        UpdateWindow(button);
        EXPECT_EQ(ScreenPixel(button, 3, 10), step.face) << step.what;
        DibCanvas shot(60, 20);
        BitBlt(shot.Dc(), 0, 0, 60, 20, WindowDc(button).Get(), 0, 0, SRCCOPY);
        const bool yellowCaption = shot.Count(kWorkedCaption, RECT{0, 0, 60, 20}) > 3;
        EXPECT_EQ(yellowCaption, step.caption == kWorkedCaption) << step.what;
        EXPECT_FALSE(GetUpdateRect(button, nullptr, FALSE)) << step.what;
    }
}

TEST(CAdvancedButton, CaptionIsCutTo511Characters) {
    std::string text;
    unsigned state = 12345;  // invented text, the same on every run
    while (text.size() < 600) {
        state = state * 1103515245u + 12345u;
        text += "iWm.lA0 "[(state >> 16) % 8];
    }
    text[511] = 'W';
    DibCanvas with511(120, 20, kGreen), with512(120, 20, kGreen);
    kRect.DrawCaption(with511.Dc(), RECT{0, 0, 120, 20}, text.substr(0, 511).c_str(), kCaption);
    kRect.DrawCaption(with512.Dc(), RECT{0, 0, 120, 20}, text.substr(0, 512).c_str(), kCaption);
    ASSERT_FALSE(with512.SamePixels(with511)) << "the 512th character moves the centred text";

    CellWindow window(
        {{1015, 120, text.substr(0, 511)}, {1016, 120, text.substr(0, 510)}, {1017, 120, text}});
    CAdvancedButton cells[3];
    std::vector<std::unique_ptr<DibCanvas>> shots;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(cells[i].AttachToDlgItem(1015 + i, window.Window(), kGreen, kCaption, kGrey));
        cells[i].Redraw();
        shots.push_back(std::make_unique<DibCanvas>(120, 20));
        shots.back()->CopyFrom(window.Item(1015 + i));
    }
    EXPECT_GT(shots[0]->Count(kCaption, RECT{0, 0, 120, 20}), 20) << "the caption shows";
    EXPECT_FALSE(shots[1]->SamePixels(*shots[0])) << "the 511th character is painted";
    EXPECT_TRUE(shots[2]->SamePixels(*shots[0])) << "600 characters paint as their first 511";
}

TEST(CAdvancedButton, TenThousandRepaintsLeakNoHandles) {
    CellWindow window({{1015, 40, "VK0"}, {1016, 60, "EA4URE"}});
    CAdvancedButton ellipse, rectangle;
    ASSERT_TRUE(ellipse.AttachToDlgItem(1015, window.Window(), kGreen, kWorkedCaption, kGrey));
    ASSERT_TRUE(rectangle.AttachToDlgItem(1016, window.Window(), kGreen, kCaption, kGrey));
    ellipse.m_shape = 1;
    SetFocus(window.Item(1015));
    SendMessageA(window.Item(1015), BM_SETSTATE, TRUE, 0);  // pressed and focused: every mark
    DibCanvas marks(40, 20);
    marks.CopyFrom(window.Item(1015));
    ASSERT_GT(marks.Count(kNearBlack, RECT{0, 0, 40, 20}), 20) << "the ellipse shows its marks";
    auto repaint = [&](int times) {
        for (int i = 0; i < times; ++i) {
            CAdvancedButton& cell = i % 2 ? rectangle : ellipse;
            cell.SetColors(i % 4 < 2 ? kMagenta : kGreen, cell.m_textColor);
            cell.Redraw();
        }
    };
    repaint(100);  // anything made once, on first use, is made now
    const DWORD gdi = LiveObjectMark(GR_GDIOBJECTS), user = LiveObjectMark(GR_USEROBJECTS);
    repaint(10000);
    EXPECT_EQ(LiveObjectMark(GR_GDIOBJECTS), gdi);
    EXPECT_EQ(LiveObjectMark(GR_USEROBJECTS), user);
    EXPECT_EQ(ScreenPixel(window.Item(1016), 4, 10), kGreen) << "still painting";
}
