// The dialog templates and the icon that Stats.dll carries: every window
// made from the DLL's own module has its caption, size, styles and every
// control where the windows' code expects it.  Positions are compared in
// pixels after mapping the expected dialog units through the dialog's font.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/plugin/win32/stats_dll_win.h"
#include "tests/support/case_name.h"

namespace {

struct ControlSpec {
    int id;
    const char* className;
    std::string text;
    RECT units;  // left, top, width, height in dialog units
    DWORD kind;  // BS_ type for buttons, SS_ type for statics
    bool disabled;
    bool tabStop;
    DWORD exStyle;  // the extended bits the template sets
};

struct DialogSpec {
    std::string name;
    int id;
    const char* caption;
    int width, height;  // client area, dialog units
    DWORD style;        // the template's style word, whole
    std::vector<ControlSpec> controls;
};

// Bits the window keeps from its template.  WS_CLIPSIBLINGS is left out:
// every top-level window gets it, so only the template word shows it.
constexpr DWORD kWindowStyleMask = WS_POPUP | WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_SYSMENU |
                                   WS_THICKFRAME | WS_CLIPCHILDREN | DS_MODALFRAME | DS_FIXEDSYS |
                                   DS_SETFONT;
constexpr DWORD kExStyleMask = WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT;
constexpr DWORD kSunkenTransparent = WS_EX_CLIENTEDGE | WS_EX_TRANSPARENT;

ControlSpec CheckBox(int id, const char* text, int x, int y, int w, int h, bool disabled = false) {
    return {id, "Button", text, {x, y, w, h}, BS_AUTOCHECKBOX, disabled, true, 0};
}

ControlSpec Label(int id, const char* text, int x, int y, int w, int h) {
    return {id, "Static", text, {x, y, w, h}, SS_LEFT, false, false, 0};
}

ControlSpec OwnerDrawn(int id, int x, int y, int w, int h) {
    return {id, "Button", "", {x, y, w, h}, BS_OWNERDRAW, false, true, kSunkenTransparent};
}

DialogSpec Setup() {
    return {"Setup",
            104,
            "Setup KOLVEX",
            155,
            59,
            DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
            {
                Label(1023, "View", 59, 3, 58, 8),
                CheckBox(1015, "EADX100", 7, 17, 73, 8),
                CheckBox(1016, "Call Area", 89, 17, 44, 8),
                CheckBox(1017, "Province Spain", 7, 29, 78, 8),
                CheckBox(1018, "Window on top", 89, 28, 59, 8),
                CheckBox(1019, "Previous QSO", 7, 41, 75, 8),
                CheckBox(1020, "Old style", 89, 41, 59, 8, true),
            }};
}

constexpr DWORD kInfoWindowStyle = DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                                   WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
constexpr DWORD kMapWindowStyle =
    DS_SETFONT | DS_FIXEDSYS | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

DialogSpec Multiplier() {
    return {"Multiplier",
            105,
            "EA100DX",
            241,
            130,
            kInfoWindowStyle,
            {OwnerDrawn(1016, 2, 2, 237, 126)}};
}

DialogSpec PrevQso() {
    return {"PrevQso",
            112,
            "Multiplier",
            235,
            130,
            kInfoWindowStyle,
            {OwnerDrawn(1003, 2, 2, 231, 126)}};
}

ControlSpec Cell(int id, const std::string& caption, int x, int y, int w) {
    return {id, "Button", caption, {x, y, w, 10}, BS_AUTOCHECKBOX, false, true, 0};
}

// Eight rows in reading order; widths are 24 but for the listed exceptions.
DialogSpec Province() {
    const int rowTop[] = {6, 18, 29, 40, 51, 62, 73, 84};
    const int columnLeft[] = {13, 40, 66, 92, 118, 146, 172};
    const std::vector<std::vector<std::string>> rows = {
        {"A", "AB", "AL", "AV", "B", "BA", "BI"},  {"BU", "C", "CA", "CC", "CE", "CO", "CR"},
        {"CS", "CU", "GC", "GI", "GR", "GU", "H"}, {"HU", "IB", "J", "L", "LE", "LO", "LU"},
        {"M", "MA", "ML", "MU", "NA", "O", "OU"},  {"P", "PO", "S", "SA", "SE", "SG", "SS"},
        {"SO", "T", "TE", "TO", "TF", "V", "VA"},  {"VI", "Z", "ZA", "EA4URE"},
    };
    auto width = [](const std::string& caption, int column) {
        if (caption == "NA" || caption == "SG" || caption == "SO" || caption == "TO") return 25;
        if (caption == "V") return 20;
        if (caption == "EA4URE") return 36;
        return column == 4 ? 26 : 24;
    };
    DialogSpec spec{"Province", 110, "EA Province", 210, 101, kMapWindowStyle, {}};
    int id = 1015;
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < rows[row].size(); ++column) {
            const std::string& caption = rows[row][column];
            if (id == 1019) ++id;
            const int cellId = caption == "EA4URE" ? 1072 : id++;
            spec.controls.push_back(Cell(cellId, caption, columnLeft[column], rowTop[row],
                                         width(caption, static_cast<int>(column))));
        }
    }
    return spec;
}

struct AreaGroup {
    const char* label;
    int labelX, labelY;
    int rowTop[2];
    int cellLeft[5];
    int firstId;
};

// Four groups, a label above two rows of five: "1".."5", then "6".."9", "0".
DialogSpec CallArea() {
    const AreaGroup groups[] = {
        {"USA", 41, 6, {19, 29}, {7, 24, 40, 58, 76}, 1015},
        {"JA", 42, 42, {50, 61}, {8, 25, 41, 57, 75}, 1035},
        {"VE", 42, 73, {84, 94}, {7, 24, 41, 58, 75}, 1025},
        {"VK", 42, 107, {115, 125}, {7, 25, 41, 59, 75}, 1045},
    };
    const char* const digits[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"};
    DialogSpec spec{"CallArea", 111, "Call_Area", 99, 144, kMapWindowStyle, {}};
    for (const AreaGroup& group : groups) {
        spec.controls.push_back(Label(-1, group.label, group.labelX, group.labelY, 15, 9));
        for (int i = 0; i < 10; ++i) {
            int w = 17;
            if (group.firstId == 1015 && i == 0) w = 15;
            if (group.firstId == 1015 && i == 1) w = 16;
            spec.controls.push_back(
                Cell(group.firstId + i, digits[i], group.cellLeft[i % 5], group.rowTop[i / 5], w));
        }
    }
    return spec;
}

// The style word of an extended dialog template (DLGTEMPLATEEX: version,
// signature 0xFFFF, help id, extended style, style), or 0.
DWORD TemplateStyle(HMODULE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_DIALOG);
    if (!found || SizeofResource(module, found) < 16) return 0;
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    if (words[0] != 1 || words[1] != 0xFFFF) return 0;
    return MAKELONG(words[6], words[7]);
}

INT_PTR CALLBACK IgnoringProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A modeless window made from the DLL's template, destroyed at scope end.
class DllDialog {
  public:
    explicit DllDialog(int id)
        : m_window(CreateDialogParamA(StatsDll::Get().module, MAKEINTRESOURCEA(id), nullptr,
                                      IgnoringProc, 0)) {}
    ~DllDialog() {
        if (m_window) DestroyWindow(m_window);
    }
    DllDialog(const DllDialog&) = delete;
    DllDialog& operator=(const DllDialog&) = delete;
    HWND get() const { return m_window; }

  private:
    HWND m_window;
};

// The dialog manager maps a control's position and its size each on its
// own, so the far edge is not the mapped sum: do the same here.
RECT ToPixels(HWND dialog, RECT units) {
    MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT ClientRectOf(HWND dialog, HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Describe(RECT r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// Labels share id -1, so they are found by their text among the children.
HWND FindControl(HWND dialog, const ControlSpec& spec) {
    if (spec.id != -1) return GetDlgItem(dialog, spec.id);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (GetDlgCtrlID(child) == -1 && TextOf(child) == spec.text) return child;
    }
    return nullptr;
}

int ChildCount(HWND dialog) {
    int count = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        ++count;
    return count;
}

void ExpectControl(HWND dialog, const ControlSpec& spec) {
    SCOPED_TRACE("control " + std::to_string(spec.id) + " \"" + spec.text + "\"");
    HWND control = FindControl(dialog, spec);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(ClassOf(control), spec.className);
    EXPECT_EQ(TextOf(control), spec.text);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
    const DWORD typeMask = std::string(spec.className) == "Button" ? BS_TYPEMASK : SS_TYPEMASK;
    EXPECT_EQ(style & typeMask, spec.kind);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_EQ((style & WS_DISABLED) != 0, spec.disabled);
    EXPECT_EQ((style & WS_TABSTOP) != 0, spec.tabStop);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(control, GWL_EXSTYLE)) & kExStyleMask,
              spec.exStyle);
    EXPECT_EQ(Describe(ClientRectOf(dialog, control)), Describe(ToPixels(dialog, spec.units)));
}

void PrintTo(const DialogSpec& spec, std::ostream* out) { *out << spec.name; }

class DialogTemplate : public testing::TestWithParam<DialogSpec> {};

TEST_P(DialogTemplate, MatchesItsLayout) {
    ASSERT_NE(StatsDll::Get().module, nullptr) << "Stats.dll beside the test program";
    const DialogSpec& spec = GetParam();
    DllDialog dialog(spec.id);
    ASSERT_NE(dialog.get(), nullptr) << "template " << spec.id << " in Stats.dll";

    EXPECT_EQ(TextOf(dialog.get()), spec.caption);
    EXPECT_EQ(TemplateStyle(StatsDll::Get().module, spec.id), spec.style);
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(dialog.get(), GWL_STYLE)) & kWindowStyleMask,
              spec.style & kWindowStyleMask);
    RECT client{};
    GetClientRect(dialog.get(), &client);
    EXPECT_EQ(Describe(client), Describe(ToPixels(dialog.get(), {0, 0, spec.width, spec.height})));

    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog.get(), WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(std::string(font.lfFaceName).rfind("MS Shell Dlg", 0), 0u) << font.lfFaceName;
    EXPECT_EQ(font.lfWeight, FW_NORMAL);

    EXPECT_EQ(ChildCount(dialog.get()), static_cast<int>(spec.controls.size()));
    for (const ControlSpec& control : spec.controls) ExpectControl(dialog.get(), control);
}

INSTANTIATE_TEST_SUITE_P(StatsDll, DialogTemplate,
                         testing::Values(Setup(), Multiplier(), PrevQso(), Province(), CallArea()),
                         CaseName());

#pragma pack(push, 2)
struct IconGroupEntry {  // one image in an RT_GROUP_ICON resource
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

// Sizes listed in the icon group, so a size the system would scale is not
// taken for one the file holds.
std::vector<int> IconSizes(HMODULE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON);
    if (!found) return {};
    const auto* words = static_cast<const WORD*>(LockResource(LoadResource(module, found)));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(words + 3);
    std::vector<int> sizes;
    for (WORD i = 0; i < words[2]; ++i) sizes.push_back(entries[i].width);
    return sizes;
}

// Paints the icon on black into a top-down 32-bit bitmap and reads it back.
std::vector<COLORREF> IconPixels(HICON icon, int size) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<COLORREF> pixels;
    for (int i = 0; i < size * size; ++i) {
        const DWORD bgra = static_cast<const DWORD*>(bits)[i];
        pixels.push_back(RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

TEST(StatsIcon, HoldsBothSizesAndShowsADotOnTheBackground) {
    HMODULE dll = StatsDll::Get().module;
    ASSERT_NE(dll, nullptr);
    EXPECT_EQ(IconSizes(dll, 107), (std::vector<int>{32, 16}));
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        HICON icon =
            static_cast<HICON>(LoadImageA(dll, MAKEINTRESOURCEA(107), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        const std::vector<COLORREF> pixels = IconPixels(icon, size);
        DestroyIcon(icon);
        EXPECT_EQ(pixels[size / 2 * size + size / 2], RGB(255, 0, 255)) << "centre";
        EXPECT_EQ(pixels[2 * size + 2], RGB(255, 250, 198)) << "inside the frame";
    }
}

}  // namespace
