// The Cabrillo header dialog, driven from a second thread like an operator.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "contest/contest_rules.h"
#include "contest/text_util.h"
#include "controls/resource_module.h"
#include "resources/resource.h"
#include "results/win32/cabrillo_dialog.h"
#include "tests/support/window_driver_win.h"

namespace {
const char kCaption[] = "DARNOL Contest";

CabrilloHeader SampleHeader() {
    CabrilloHeader h;
    h.contest = "DARNOL Contest";
    h.callsign = "EA4XYZ/P";
    h.claimed = "1234";
    h.categoryOperator = "SINGLE-OP";
    h.categoryBand = "ALL";
    h.categoryMode = "BPSK63";
    h.categoryPower = "HIGH";
    h.categoryTransmitter = "ONE";
    h.name = "Juan Espa\xF1ol";
    h.address = "Calle Mayor 1\r\n28001 Madrid";
    h.operators = "EA4XYZ EA4ABC";
    h.club = "Costa Verde RTTY Group";
    h.soapbox = "Good fun\r\n73";
    h.email = "ea4xyz@example.org";
    return h;
}

// Every field with the id of the control that shows it.
struct FieldRow {
    int id;
    std::string CabrilloHeader::*field;
};
const FieldRow kFields[] = {
    {IDC_CAB_CONTEST, &CabrilloHeader::contest},
    {IDC_CAB_CALLSIGN, &CabrilloHeader::callsign},
    {IDC_CAB_CLAIMED, &CabrilloHeader::claimed},
    {IDC_CAB_CATEGORY_OPERATOR, &CabrilloHeader::categoryOperator},
    {IDC_CAB_CATEGORY_BAND, &CabrilloHeader::categoryBand},
    {IDC_CAB_CATEGORY_MODE, &CabrilloHeader::categoryMode},
    {IDC_CAB_CATEGORY_POWER, &CabrilloHeader::categoryPower},
    {IDC_CAB_CATEGORY_TRANSMITTER, &CabrilloHeader::categoryTransmitter},
    {IDC_CAB_NAME, &CabrilloHeader::name},
    {IDC_CAB_ADDRESS, &CabrilloHeader::address},
    {IDC_CAB_OPERATORS, &CabrilloHeader::operators},
    {IDC_CAB_CLUB, &CabrilloHeader::club},
    {IDC_CAB_SOAPBOX, &CabrilloHeader::soapbox},
    {IDC_CAB_EMAIL, &CabrilloHeader::email},
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::vector<std::string> ComboItems(HWND combo) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[64] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

BOOL CALLBACK CollectLabel(HWND child, LPARAM labels) {
    if (lstrcmpiA(ClassOf(child).c_str(), "Static") == 0) {
        char text[64] = {};
        GetWindowTextA(child, text, sizeof text);
        reinterpret_cast<std::vector<std::string>*>(labels)->push_back(text);
    }
    return TRUE;
}
}  // namespace

TEST(CabrilloDialog, ShowsEveryFieldOfTheHeader) {
    CabrilloHeader header = SampleHeader();
    std::vector<std::string> shown;
    WindowDriver driver(kCaption, [&](HWND dialog) {
        for (const FieldRow& row : kFields) shown.push_back(ItemText(dialog, row.id));
        Press(dialog, IDCANCEL);
    });
    EXPECT_FALSE(Cabrillo::Edit(header, nullptr));
    ASSERT_TRUE(driver.Found());
    ASSERT_EQ(shown.size(), std::size(kFields));
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i], header.*kFields[i].field) << "control " << kFields[i].id;
}

TEST(CabrilloDialog, OkTakesBackEveryEditedField) {
    CabrilloHeader header = SampleHeader();
    CabrilloHeader typed;
    int n = 0;
    for (const FieldRow& row : kFields) typed.*row.field = "typed " + std::to_string(++n);
    typed.address = "Line one\r\nLine two\r\n";
    typed.soapbox = "\xC0\xFF bytes above 0x7F";
    typed.categoryPower = "QRP";
    WindowDriver driver(kCaption, [&](HWND dialog) {
        for (const FieldRow& row : kFields)
            SetDlgItemTextA(dialog, row.id, (typed.*row.field).c_str());
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(Cabrillo::Edit(header, nullptr));
    ASSERT_TRUE(driver.Found());
    for (const FieldRow& row : kFields)
        EXPECT_EQ(header.*row.field, typed.*row.field) << "control " << row.id;
}

TEST(CabrilloDialog, CancelAndCloseLeaveTheHeaderAlone) {
    for (const bool byCloseBox : {false, true}) {
        CabrilloHeader header = SampleHeader();
        WindowDriver driver(kCaption, [&](HWND dialog) {
            for (const FieldRow& row : kFields) SetDlgItemTextA(dialog, row.id, "changed");
            if (byCloseBox)
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            else
                Press(dialog, IDCANCEL);
        });
        EXPECT_FALSE(Cabrillo::Edit(header, nullptr));
        ASSERT_TRUE(driver.Found());
        for (const FieldRow& row : kFields)
            EXPECT_EQ(header.*row.field, SampleHeader().*row.field) << "control " << row.id;
    }
}

TEST(CabrilloDialog, EnterInTheMultiLineFieldsStartsANewLine) {
    for (const int id : {IDC_CAB_ADDRESS, IDC_CAB_SOAPBOX}) {
        CabrilloHeader header;
        std::string text;
        WindowDriver driver(kCaption, [&](HWND dialog) {
            HWND edit = GetDlgItem(dialog, id);
            SetWindowTextA(edit, "");
            // Keys go through the dialog's message loop, which would turn
            // Enter into OK unless the control asks for it.
            PostMessageA(edit, WM_CHAR, 'a', 0);
            PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
            PostMessageA(edit, WM_KEYUP, VK_RETURN, 0);
            Sleep(200);  // the loop posts the WM_CHAR of Enter; 'b' must come after it
            PostMessageA(edit, WM_CHAR, 'b', 0);
            Sleep(200);
            text = ItemText(dialog, id);
            Press(dialog, IDCANCEL);
        });
        // Had Enter pressed OK, the dialog would have ended with true.
        EXPECT_FALSE(Cabrillo::Edit(header, nullptr)) << "control " << id;
        ASSERT_TRUE(driver.Found());
        EXPECT_EQ(text, "a\r\nb") << "control " << id;
    }
}

TEST(CabrilloTemplate, HasCaptionFontAndSize) {
    std::string caption, face;
    RECT client{}, expected{0, 0, 255, 286};
    CabrilloHeader header;
    WindowDriver driver(kCaption, [&](HWND dialog) {
        char text[64] = {};
        GetWindowTextA(dialog, text, sizeof text);
        caption = text;
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        face = font.lfFaceName;
        GetClientRect(dialog, &client);
        MapDialogRect(dialog, &expected);
        Press(dialog, IDCANCEL);
    });
    Cabrillo::Edit(header, nullptr);
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(caption, "DARNOL Contest");
    EXPECT_EQ(face, "MS Sans Serif");
    EXPECT_EQ(client.right, expected.right);
    EXPECT_EQ(client.bottom, expected.bottom);
}

TEST(CabrilloTemplate, ControlsHaveTheirKindsStylesAndLists) {
    struct Row {
        int id;
        const char* kind;
        DWORD required;  // styles that must be set
        DWORD absent;    // styles that must not be set
        std::vector<std::string> items;
    };
    const DWORD kMultiLine = ES_MULTILINE | ES_WANTRETURN | WS_VSCROLL;
    std::vector<std::string> bandItems = {"ALL"};  // then each contest band in capitals
    for (const BandSpec& band : kBands)
        if (band.contest) bandItems.push_back(ToUpper(band.text));
    const std::vector<Row> rows = {
        {IDC_CAB_CONTEST, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_CALLSIGN, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_CLAIMED, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_CATEGORY_OPERATOR,
         "ComboBox",
         CBS_DROPDOWN,
         CBS_SORT,
         {"SINGLE-OP", "MULTI-MULTI", "MULTI-OP", "CHECKLOG"}},
        {IDC_CAB_CATEGORY_BAND, "ComboBox", CBS_DROPDOWN, CBS_SORT, bandItems},
        {IDC_CAB_CATEGORY_MODE, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_CATEGORY_POWER, "ComboBox", CBS_DROPDOWN | CBS_SORT, 0, {"HIGH", "LOW", "QRP"}},
        {IDC_CAB_CATEGORY_TRANSMITTER,
         "ComboBox",
         CBS_DROPDOWN | CBS_SORT,
         0,
         {"ONE", "TWO", "UNLIMITED"}},
        {IDC_CAB_NAME, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_ADDRESS, "Edit", kMultiLine, 0, {}},
        {IDC_CAB_OPERATORS, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_CLUB, "Edit", 0, ES_MULTILINE, {}},
        {IDC_CAB_SOAPBOX, "Edit", kMultiLine, 0, {}},
        {IDC_CAB_EMAIL, "Edit", 0, ES_MULTILINE, {}},
        {IDOK, "Button", 0, 0, {}},
        {IDCANCEL, "Button", 0, 0, {}},
    };
    struct Seen {
        std::string kind;
        DWORD style;
        std::vector<std::string> items;
    };
    std::vector<Seen> seen;
    std::vector<std::string> labels, buttons;
    CabrilloHeader header;
    WindowDriver driver(kCaption, [&](HWND dialog) {
        for (const Row& row : rows) {
            HWND control = GetDlgItem(dialog, row.id);
            seen.push_back({ClassOf(control),
                            static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE)),
                            ComboItems(control)});
        }
        EnumChildWindows(dialog, CollectLabel, reinterpret_cast<LPARAM>(&labels));
        buttons = {ItemText(dialog, IDOK), ItemText(dialog, IDCANCEL)};
        Press(dialog, IDCANCEL);
    });
    Cabrillo::Edit(header, nullptr);
    ASSERT_TRUE(driver.Found());
    ASSERT_EQ(seen.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        EXPECT_EQ(lstrcmpiA(seen[i].kind.c_str(), row.kind), 0)
            << "control " << row.id << " is a " << seen[i].kind;
        EXPECT_EQ(seen[i].style & row.required, row.required) << "control " << row.id;
        EXPECT_EQ(seen[i].style & row.absent, 0u) << "control " << row.id;
        if (row.kind == std::string("ComboBox")) {
            EXPECT_EQ(seen[i].style & 3u, DWORD{CBS_DROPDOWN}) << "control " << row.id;
            EXPECT_EQ(seen[i].items, row.items) << "control " << row.id;
        }
    }
    const std::vector<std::string> expectedLabels = {
        "CONTEST",       "CALLSIGN",      "CLAIMED",        "CATEGORY-OPERATOR",
        "CATEGORY-BAND", "CATEGORY-MODE", "CATEGORY-POWER", "CATEGORY-TRANSMITTER",
        "NAME",          "ADDRESS",       "OPERATORS",      "CLUB",
        "SOAPBOX",       "E-MAIL"};
    EXPECT_EQ(labels, expectedLabels);
    EXPECT_EQ(buttons, (std::vector<std::string>{"OK", "CANCEL"}));
}

TEST(CabrilloDialog, AnswersCancelledWhenTheTemplateIsMissing) {
    // A module without our resources, as when a null instance made the
    // loader look in the host's executable.
    SetResourceModule(GetModuleHandleA("kernel32.dll"));
    CabrilloHeader header = SampleHeader();
    const bool confirmed = Cabrillo::Edit(header, nullptr);
    SetResourceModule(nullptr);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(header.callsign, SampleHeader().callsign);
}

// Starts a Unix program (Wine runs those too).  Wine neither waits for it
// nor passes its exit code on, so callers wait for the files it writes.
bool StartUnixProgram(std::string command) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

// Z: is the Unix root in a Wine prefix.
std::string WindowsName(const std::string& unixPath) { return "Z:" + unixPath; }

// Takes a picture of the screen area with ImageMagick and answers how many
// colours it has and the signature of its pixels (empty when it could not
// be taken).
std::string TakePicture(const RECT& r, const std::string& picture) {
    const std::string count = picture + ".colours";
    std::remove(WindowsName(count).c_str());
    const std::string geometry = std::to_string(r.right - r.left) + "x" +
                                 std::to_string(r.bottom - r.top) + "+" + std::to_string(r.left) +
                                 "+" + std::to_string(r.top);
    if (!StartUnixProgram("/bin/sh -c \"import -window root -crop " + geometry + " +repage " +
                          picture + " && convert " + picture + " -format '%k %#' info:" + count +
                          ".part && mv " + count + ".part " + count + "\""))
        return {};
    for (int waited = 0; waited < 300; ++waited) {
        if (FILE* f = std::fopen(WindowsName(count).c_str(), "r")) {
            char text[128] = {};
            std::fgets(text, sizeof text, f);
            std::fclose(f);
            std::remove(WindowsName(count).c_str());
            return text;
        }
        Sleep(100);
    }
    return {};
}

// The X server shows a window some time after Windows calls it painted, and
// paints it control by control: take pictures until one shows more than a
// blank screen and the next one is the same.
bool CaptureWindow(HWND dialog, const std::string& picture) {
    RECT r{};
    GetWindowRect(dialog, &r);
    std::string previous;
    for (int attempt = 0; attempt < 30; ++attempt) {
        const std::string taken = TakePicture(r, picture);
        if (std::atoi(taken.c_str()) > 8 && taken == previous) return true;
        previous = taken;
        Sleep(200);
    }
    return false;
}

// Saves a picture of the dialog for the documentation when
// STATS_SCREENSHOT_DIR names a folder (a Unix path: ImageMagick's import
// runs outside Wine, on the same X display).
TEST(CabrilloDialog, Screenshot) {
    const char* folder = std::getenv("STATS_SCREENSHOT_DIR");
    if (folder == nullptr || *folder == '\0') GTEST_SKIP() << "STATS_SCREENSHOT_DIR not set";
    const std::string file = std::string(folder) + "/cabrillo_dialog.png";
    CabrilloHeader header = SampleHeader();
    bool captured = false;
    WindowDriver driver(kCaption, [&](HWND dialog) {
        SetWindowPos(dialog, HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
        captured = CaptureWindow(dialog, file);
        Press(dialog, IDOK);
    });
    EXPECT_TRUE(Cabrillo::Edit(header, nullptr));
    ASSERT_TRUE(driver.Found());
    EXPECT_TRUE(captured);
}
