// The multiplier list and the previous-QSO table, painted into bitmaps,
// through the off-screen context and onto the screen, checked by pixels.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "controls/drawn_shapes.h"
#include "controls/gdi.h"
#include "controls/info_button.h"
#include "controls/mem_dc.h"
#include "controls/qso_table.h"
#include "tests/support/dib_canvas_win.h"
#include "tests/support/import_hook_win.h"

namespace {
const COLORREF kListPaper = RGB(255, 250, 198);
const COLORREF kTablePaper = RGB(255, 255, 198);
const COLORREF kHighlight = RGB(198, 255, 255);
const COLORREF kUntouched = DibCanvas::kUntouched;

using Canvas = DibCanvas;

bool IsDark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200; }

struct Text {
    int x, y;
    std::string text;
};

// Dark pixels only inside the cells of `texts` (each showing some), and
// everywhere else the paper colour that `paper` gives for the line.
void ExpectTextsOnly(const Canvas& canvas, const std::vector<Text>& texts,
                     const std::function<COLORREF(int)>& paper) {
    std::vector<RECT> cells;
    for (const Text& t : texts) {
        SIZE size{};
        GetTextExtentPoint32A(canvas.Dc(), t.text.data(), static_cast<int>(t.text.size()), &size);
        cells.push_back(RECT{t.x, t.y, t.x + size.cx, t.y + size.cy});
    }
    std::vector<int> darkIn(cells.size(), 0);
    int stray = 0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const COLORREF c = canvas.At(x, y);
            bool inCell = false;
            for (size_t i = 0; i < cells.size(); ++i) {
                if (!PtInRect(&cells[i], POINT{x, y})) continue;
                inCell = true;
                darkIn[i] += IsDark(c);
            }
            if (!inCell && c != paper(y) && stray++ == 0)
                ADD_FAILURE() << "pixel at " << x << "," << y;
        }
    }
    EXPECT_EQ(stray, 0) << "pixels off the paper outside every text";
    for (size_t i = 0; i < cells.size(); ++i)
        EXPECT_GT(darkIn[i], 0) << "no ink for \"" << texts[i].text << "\" at " << texts[i].x << ","
                                << texts[i].y;
}

const std::vector<std::string> kFive = {"EA8", "JA3", "K1", "VK2", "W5"};

struct ListCase {
    const char* name;
    int band, width;
    std::vector<std::string> entries;
    std::vector<POINT> at;  // where each entry shows
};

TEST(PaintMultiplierList, FlowsEntriesInFortyByFifteenCells) {
    // clang-format off
    const ListCase cases[] = {
        {"wraps after four at width 200", 3, 200, kFive, {{5, 0}, {45, 0}, {85, 0}, {125, 0}, {5, 15}}},
        {"x at right - 40 still fits", 3, 205, kFive, {{5, 0}, {45, 0}, {85, 0}, {125, 0}, {165, 0}}},
        {"one a line when narrow", 1, 30, {"K1", "W5"}, {{5, 0}, {5, 15}}},
        {"no band: background only", -1, 200, kFive, {}},
        {"band out of range: background only", 6, 200, kFive, {}},
        {"empty list: background only", 2, 200, {}, {}},
    };
    // clang-format on
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(c.width, 100);
        PaintMultiplierList(canvas.Dc(), canvas.Area(), MultiplierView{c.band, c.entries});
        EXPECT_EQ(GetBkMode(canvas.Dc()), OPAQUE) << "the context is left as it came";
        std::vector<Text> texts;
        for (size_t i = 0; i < c.at.size(); ++i)
            texts.push_back({c.at[i].x, c.at[i].y, c.entries[i]});
        ExpectTextsOnly(canvas, texts, [](int) { return kListPaper; });
    }
}

// Lines of 28 pixels in a control 196 high.
TableView SampleTable(int band, const std::string& call) {
    TableView view{band, call, {}};
    view.rows = {{{"160m", "RTTY", "00:01", "ZZ"},
                  {"80m", "RTTY", "12:34", "M"},
                  {"40m", "   -", "   -", "   -"},
                  {"20m", "RTTY", "23:59", "1234"},
                  {"15m", "   -", "   -", "   -"},
                  {"10m", "RTTY", "", ""}}};  // empty fields paint nothing
    return view;
}

struct TableCase {
    const char* name;
    int band;
    std::string call, shownCall;
    int highlightTop, highlightBottom;  // equal: none
};

TEST(PaintQsoTable, PaintsTitlesRowsAndTheCurrentBandsLine) {
    const TableCase cases[] = {
        {"20 m highlighted", 3, "EA8XYZ", "EA8XYZ", 122, 140},
        {"160 m highlights the title line", 0, "EA8XYZ", "EA8XYZ", 38, 56},
        {"no band, no highlight", -1, "EA8XYZ", "EA8XYZ", 0, 0},
        {"band out of range, no highlight", 9, "EA8XYZ", "EA8XYZ", 0, 0},
        {"empty call shows Call", 5, "", "Call", 178, 196},
    };
    for (const TableCase& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(320, 196);
        const TableView view = SampleTable(c.band, c.call);
        PaintQsoTable(canvas.Dc(), canvas.Area(), view);
        EXPECT_EQ(GetBkMode(canvas.Dc()), OPAQUE) << "the context is left as it came";
        std::vector<Text> texts = {{20, 38, "Band"},
                                   {100, 38, "Mode"},
                                   {140, 10, c.shownCall},
                                   {178, 38, "Time"},
                                   {245, 38, "Prov/NR"}};
        for (int line = 2; line <= 6; ++line) {
            const PrevQsoRow& r = view.rows[line - 1];
            const int y = line * 28 + 10;
            for (const Text& t :
                 {Text{20, y, r.band}, {100, y, r.mode}, {180, y, r.time}, {260, y, r.exchange}})
                if (!t.text.empty()) texts.push_back(t);
        }
        ExpectTextsOnly(canvas, texts, [&](int y) {
            return y >= c.highlightTop && y < c.highlightBottom ? kHighlight : kTablePaper;
        });
    }
}

TEST(PaintQsoTable, NeverShowsThe160mRowAndShowsCallForNoCall) {
    auto paint = [](const TableView& view) {
        auto canvas = std::make_unique<Canvas>(320, 196);
        PaintQsoTable(canvas->Dc(), canvas->Area(), view);
        return canvas;
    };
    TableView without160 = SampleTable(3, "EA8XYZ");
    without160.rows[0] = {};
    EXPECT_TRUE(paint(SampleTable(3, "EA8XYZ"))->SamePixels(*paint(without160)));
    EXPECT_TRUE(paint(SampleTable(3, ""))->SamePixels(*paint(SampleTable(3, "Call"))));
}

using Painter = std::function<void(HDC, const RECT&)>;
const Painter kPainters[] = {
    [](HDC dc, const RECT& r) {
        PaintMultiplierList(dc, r, MultiplierView{3, kFive});
    },
    [](HDC dc, const RECT& r) { PaintQsoTable(dc, r, SampleTable(3, "EA8XYZ")); },
};

using NamedPainter = std::pair<std::string, Painter>;

// The cell painters of one shape, each alone.
void AddShapePainters(std::vector<NamedPainter>& painters, const std::string& name,
                      const DrawnObject* shape) {
    painters.insert(
        painters.end(),
        {{name + "::Draw",
          [shape](HDC dc, const RECT& r) {
              shape->Draw(dc, r, ODS_FOCUS | ODS_SELECTED, kHighlight);
          }},
         {name + "::DrawCaption",
          [shape](HDC dc, const RECT& r) { shape->DrawCaption(dc, r, "EA8", 0); }},
         {name + "::DrawFrame", [shape](HDC dc, const RECT& r) { shape->DrawFrame(dc, r, -2); }},
         {name + "::Fill", [shape](HDC dc, const RECT& r) { shape->Fill(dc, r, kHighlight); }},
         {name + "::DrawFocus",
          [shape](HDC dc, const RECT& r) { shape->DrawFocus(dc, r, kHighlight); }}});
}

// Every painter leaves the context holding the pen, brush and font it found
// there.  Windows does not delete an object still selected into a context:
// a selection left behind would keep one GDI object per paint until the
// host can no longer draw.  Wine deletes it all the same and shows nothing.
TEST(Painters, LeaveTheContextWithThePenBrushAndFontItHeld) {
    static const DrawnRect rect;
    static const DrawnEllipse ellipse;
    std::vector<NamedPainter> painters = {{"PaintMultiplierList", kPainters[0]},
                                          {"PaintQsoTable", kPainters[1]}};
    AddShapePainters(painters, "DrawnRect", &rect);
    AddShapePainters(painters, "DrawnEllipse", &ellipse);
    Canvas canvas(160, 120);
    const HDC dc = canvas.Dc();
    for (const auto& [name, paint] : painters) {
        const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
        const HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
        const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
        paint(dc, canvas.Area());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen) << name << " left its pen selected";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush) << name << " left its brush selected";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font) << name << " left its font selected";
    }
}

// What DeleteObject found when it was handed the off-screen bitmap.
struct BitmapWatch {
    HDC memoryDc = nullptr;
    HGDIOBJ bitmap = nullptr;
    int deletes = 0;
    bool stillSelected = false;
};
BitmapWatch g_watch;
BOOL(WINAPI* g_deleteObject)(HGDIOBJ) = nullptr;

BOOL WINAPI WatchedDeleteObject(HGDIOBJ object) {
    if (object != nullptr && object == g_watch.bitmap) {
        ++g_watch.deletes;
        g_watch.stillSelected = GetCurrentObject(g_watch.memoryDc, OBJ_BITMAP) == object;
    }
    return g_deleteObject(object);
}

TEST(CMemDC, CopiesExactlyTheDirectPictureWithinTheClipBox) {
    // Windows refuses to delete a bitmap still selected in a context, and
    // it leaks; Wine deletes it all the same.  So the deletion is watched.
    const ImportHook hook("gdi32.dll", "DeleteObject",
                          reinterpret_cast<void*>(&WatchedDeleteObject));
    g_deleteObject = reinterpret_cast<BOOL(WINAPI*)(HGDIOBJ)>(hook.Original());
    ASSERT_NE(g_deleteObject, nullptr);
    const RECT clips[] = {{0, 0, 320, 196}, {50, 40, 150, 100}, {0, 0, 0, 0}};
    for (const Painter& paint : kPainters) {
        for (const RECT& clip : clips) {
            Canvas direct(320, 196), target(320, 196);
            paint(direct.Dc(), direct.Area());
            IntersectClipRect(target.Dc(), clip.left, clip.top, clip.right, clip.bottom);
            g_watch = {};
            {
                CMemDC dc(target.Dc());
                EXPECT_EQ(dc.IsOffScreen(), !IsRectEmpty(&clip));
                if (dc.IsOffScreen()) g_watch = {dc, GetCurrentObject(dc, OBJ_BITMAP)};
                paint(dc, target.Area());
            }
            if (g_watch.bitmap != nullptr) {
                EXPECT_EQ(g_watch.deletes, 1);
                EXPECT_FALSE(g_watch.stillSelected) << "the bitmap went while selected";
            }
            int wrong = 0;
            for (int y = 0; y < 196; ++y)
                for (int x = 0; x < 320; ++x)
                    wrong += target.At(x, y) !=
                             (PtInRect(&clip, POINT{x, y}) ? direct.At(x, y) : kUntouched);
            EXPECT_EQ(wrong, 0) << "clip " << clip.left << "," << clip.top;
        }
    }
}

// Fills the process's GDI object table but for `spare` places, so that an
// object lost at each paint shows as fewer places within a few hundred
// paints.  Counted by creating: GetGuiResources answers 0 under Wine.
class GdiObjectQuota {
  public:
    explicit GdiObjectQuota(size_t spare) : m_held(FillTable()) {
        m_held.resize(m_held.size() > spare ? m_held.size() - spare : 0);
    }
    size_t Free() const { return FillTable().size(); }

  private:
    static std::vector<Brush> FillTable() {
        std::vector<Brush> held;
        for (Brush b(CreateSolidBrush(0)); b; b = Brush(CreateSolidBrush(0)))
            held.push_back(std::move(b));
        return held;
    }
    std::vector<Brush> m_held;
};

// Odd views, rectangles and targets paint without a crash and give back
// every GDI object, 10,000 times for each painter.
TEST(CMemDC, PaintsOddInputTenThousandTimesWithoutLosingGdiObjects) {
    const std::string high = "\x80\xA9\xC4\xFF\xE9\x81";
    const MultiplierView many{2, std::vector<std::string>(10000, std::string(100, 'W') + high)};
    TableView odd = SampleTable(4, std::string(10000, 'Q') + high);
    const std::string wide = std::string(100, '\xD0') + high;
    for (PrevQsoRow& row : odd.rows) row = {wide, wide, wide, wide};
    const RECT rects[] = {
        {0, 0, 0, 0}, {0, 0, 160, 120}, {-5000, -5000, 2147483647, 2147483647}, {10, 10, -10, -10}};
    const std::function<void(HDC, const RECT&, int)> painters[] = {
        [&](HDC dc, const RECT& r, int i) {
            PaintMultiplierList(dc, r, i % 100 == 0 ? many : MultiplierView{i % 8 - 1, kFive});
        },
        [&](HDC dc, const RECT& r, int i) {
            PaintQsoTable(dc, r, i % 100 == 0 ? odd : SampleTable(i % 8 - 1, "EA8XYZ"));
        },
    };
    Canvas canvas(160, 120);
    for (const auto& paint : painters) {
        paint(canvas.Dc(), canvas.Area(), 0);  // whatever the system keeps after a first use
        GdiObjectQuota quota(300);
        const size_t before = quota.Free();
        for (int i = 0; i < 10000; ++i) {
            CMemDC dc(i % 50 == 7 ? nullptr : canvas.Dc());
            paint(dc, rects[i % std::size(rects)], i);
        }
        EXPECT_EQ(quota.Free(), before);
    }
}

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM &&
        OwnerDrawnControl::ReflectDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
        return TRUE;
    return DefWindowProcA(window, message, wParam, lParam);
}

// The control's client area as it stands on the screen.
std::unique_ptr<Canvas> FromScreen(HWND control) {
    RECT client{};
    GetClientRect(control, &client);
    POINT origin{0, 0};
    ClientToScreen(control, &origin);
    auto shot = std::make_unique<Canvas>(client.right, client.bottom);
    HDC screen = GetDC(nullptr);
    BitBlt(shot->Dc(), 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return shot;
}

// A top-most window with one owner-drawn button (1003) for a control to take over.
HWND ShowControlHost() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = HostProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "InfoPaintersHost";
    RegisterClassA(&windowClass);
    HWND host =
        CreateWindowExA(WS_EX_TOPMOST, "InfoPaintersHost", "Painters", WS_POPUP | WS_VISIBLE, 40,
                        40, 340, 220, nullptr, nullptr, windowClass.hInstance, nullptr);
    CreateWindowExA(WS_EX_CLIENTEDGE, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 4, 4, 324,
                    200, host, reinterpret_cast<HMENU>(1003), nullptr, nullptr);
    return host;
}

template <typename Control, typename View>
void ExpectOnScreen(Control& control, View view, void (*paint)(HDC, const RECT&, const View&)) {
    HWND host = ShowControlHost();
    ASSERT_NE(host, nullptr);
    ASSERT_TRUE(control.SubclassDlgItem(1003, host));
    control.SetViewProvider([view] { return view; });
    RECT client{};
    GetClientRect(control.Window(), &client);
    Canvas expected(client.right, client.bottom);
    paint(expected.Dc(), client, view);
    bool same = false;
    // The picture reaches the X server a moment after the paint.
    for (int attempt = 0; attempt < 50 && !same; ++attempt) {
        InvalidateRect(control.Window(), nullptr, FALSE);
        UpdateWindow(control.Window());
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(attempt == 0 ? 0 : 50);
        same = FromScreen(control.Window())->SamePixels(expected);
    }
    EXPECT_TRUE(same);
    DestroyWindow(host);
}

TEST(OwnerDrawnInfoControls, ShowOnScreenWhatTheyPaintInABitmap) {
    CCqWwInfoButton list;
    ExpectOnScreen(list, MultiplierView{3, kFive}, PaintMultiplierList);
    CqEA table;
    ExpectOnScreen(table, SampleTable(3, "EA8XYZ"), PaintQsoTable);
}
// Refresh leaves something to paint only when the view changed since the
// last refresh, or when a paint since showed another view on part of it.
TEST(OwnerDrawnInfoControls, RefreshRepaintsOnlyWhatChanged) {
    HWND host = ShowControlHost();
    ASSERT_NE(host, nullptr);
    CqEA table;
    ASSERT_TRUE(table.SubclassDlgItem(1003, host));
    TableView shown = SampleTable(3, "EA8XYZ");
    table.SetViewProvider([&shown] { return shown; });
    HWND control = table.Window();
    auto refreshed = [&] {
        UpdateWindow(control);
        table.Refresh();
        const bool pending = GetUpdateRect(control, nullptr, FALSE) != FALSE;
        UpdateWindow(control);
        return pending;
    };
    EXPECT_TRUE(refreshed()) << "the first refresh";
    EXPECT_FALSE(refreshed()) << "the same view";
    shown.call = "EA8XYW";
    EXPECT_TRUE(refreshed()) << "another call";
    shown.rows[3].time = "00:00";
    EXPECT_TRUE(refreshed()) << "another time";
    EXPECT_FALSE(refreshed());
    const TableView before = shown;
    shown.currentBand = 4;
    RECT corner{0, 0, 10, 10};
    InvalidateRect(control, &corner, FALSE);
    UpdateWindow(control);
    shown = before;
    EXPECT_TRUE(refreshed()) << "a corner shows another band";
    EXPECT_FALSE(refreshed());
    DestroyWindow(host);
}
}  // namespace
