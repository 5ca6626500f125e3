#include "tools/window_watcher.h"

#include <cstring>

namespace host {
namespace {

struct Search {
    const std::string* caption;
    const std::string* text;
    HWND found;
};

BOOL CALLBACK FirstStaticText(HWND child, LPARAM param) {
    char className[32] = "";
    char text[1024] = "";
    GetClassNameA(child, className, sizeof className);
    GetWindowTextA(child, text, sizeof text);
    if (_stricmp(className, "Static") == 0 && text[0] != '\0') {
        *reinterpret_cast<std::string*>(param) = text;
        return FALSE;
    }
    return TRUE;
}

std::string StaticText(HWND window) {
    std::string text;
    EnumChildWindows(window, FirstStaticText, reinterpret_cast<LPARAM>(&text));
    return text;
}

bool Matches(const Search& search, HWND window) {
    if (!search.caption->empty()) {
        char caption[256] = "";
        GetWindowTextA(window, caption, sizeof caption);
        return *search.caption == caption;
    }
    return StaticText(window) == *search.text;
}

BOOL CALLBACK MatchDialog(HWND window, LPARAM param) {
    Search* search = reinterpret_cast<Search*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = "";
    GetClassNameA(window, className, sizeof className);
    // Visible only: a dialog becomes visible after WM_INITDIALOG, so texts
    // typed before that would be overwritten by its initial values.
    if (process == GetCurrentProcessId() && std::strcmp(className, "#32770") == 0 &&
        IsWindowVisible(window) && Matches(*search, window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindDialog(const std::string& caption, const std::string& text) {
    Search search{&caption, &text, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ControlText(HWND dialog, int id) {
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void PressOk(HWND dialog) {
    // Posted, not sent: the dialog's thread is the host thread, busy in the
    // plug-in's modal loop, which picks it up like a click.
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

}  // namespace

WindowWatcher::WindowWatcher(std::string caption, std::string text, Action action)
    : m_caption(std::move(caption)),
      m_text(std::move(text)),
      m_action(std::move(action)),
      m_thread([this] { Run(); }) {}

WindowWatcher::~WindowWatcher() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

WatchReport WindowWatcher::Finish() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    return m_report;
}

void WindowWatcher::Run() {
    while (!m_stop) {
        HWND window = FindDialog(m_caption, m_text);
        if (window != nullptr) {
            m_report.found = true;
            m_action(window, &m_report);
            return;
        }
        Sleep(20);
    }
}

const std::vector<HeaderField>& CabrilloHeaderFields() {
    static const std::vector<HeaderField> kFields = {
        {1009, "CONTEST", nullptr},        {1010, "CALLSIGN", nullptr},
        {1008, "CLAIMED", nullptr},        {1013, "CATEGORY-OPERATOR", nullptr},
        {1014, "CATEGORY-BAND", nullptr},  {1020, "CATEGORY-MODE", nullptr},
        {1021, "CATEGORY-POWER", nullptr}, {1022, "CATEGORY-TRANSMITTER", nullptr},
        {1007, "NAME", "Karl Vogel"},      {1002, "ADDRESS", "Lindenstrasse 12\r\n80331 Muenchen"},
        {1006, "OPERATORS", "DF7KV"},      {1005, "CLUB", "Stand-in Contest Club"},
        {1001, "SOAPBOX", nullptr},        {1004, "E-MAIL", "df7kv@example.org"},
    };
    return kFields;
}

void FillHeaderAndConfirm(HWND dialog, WatchReport* report) {
    for (const HeaderField& f : CabrilloHeaderFields())
        report->before.emplace_back(f.id, ControlText(dialog, f.id));
    for (const HeaderField& f : CabrilloHeaderFields())
        if (f.text != nullptr) SetDlgItemTextA(dialog, f.id, f.text);
    for (const HeaderField& f : CabrilloHeaderFields())
        report->after.emplace_back(f.id, ControlText(dialog, f.id));
    PressOk(dialog);
}

void ReadAndConfirm(HWND box, WatchReport* report) {
    report->message = StaticText(box);
    PressOk(box);
}

}  // namespace host
