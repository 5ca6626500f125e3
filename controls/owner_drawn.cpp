#include "controls/owner_drawn.h"

namespace {
const char kObjectProperty[] = "KolvexStatsControl";
}

OwnerDrawnControl::~OwnerDrawnControl() { Unsubclass(); }

OwnerDrawnControl* OwnerDrawnControl::FromWindow(HWND window) {
    return window == nullptr ? nullptr
                             : static_cast<OwnerDrawnControl*>(GetPropA(window, kObjectProperty));
}

bool OwnerDrawnControl::SubclassDlgItem(int id, HWND parent) {
    HWND control = parent == nullptr ? nullptr : GetDlgItem(parent, id);
    if (control == nullptr || m_window != nullptr || FromWindow(control) != nullptr) return false;
    if (!SetPropA(control, kObjectProperty, this)) return false;
    m_window = control;
    PreSubclassWindow();
    m_classProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerDrawnControl::SubclassProc)));
    return true;
}

void OwnerDrawnControl::Unsubclass() {
    if (m_window == nullptr) return;
    if (m_classProc != nullptr)
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_classProc));
    RemovePropA(m_window, kObjectProperty);
    m_window = nullptr;
    m_classProc = nullptr;
}

bool OwnerDrawnControl::ReflectDrawItem(const DRAWITEMSTRUCT* item) {
    if (item == nullptr || item->CtlType != ODT_BUTTON) return false;
    OwnerDrawnControl* control = FromWindow(item->hwndItem);
    if (control == nullptr) return false;
    try {
        control->DrawItem(*item);
    } catch (...) {
        // A paint that failed leaves the old picture; nothing may unwind
        // through the system's dialog manager.
    }
    return true;
}

LRESULT OwnerDrawnControl::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return m_classProc != nullptr ? CallWindowProcW(m_classProc, m_window, message, wParam, lParam)
                                  : DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT OwnerDrawnControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK OwnerDrawnControl::SubclassProc(HWND window, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    OwnerDrawnControl* self = FromWindow(window);
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window goes before the object: hand it back to its class.
        WNDPROC classProc = self->m_classProc;
        self->Unsubclass();
        return CallWindowProcW(classProc, window, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
