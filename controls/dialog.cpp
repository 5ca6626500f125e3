#include "controls/dialog.h"

#include "controls/message_crack.h"
#include "controls/owner_drawn.h"
#include "controls/resource_module.h"

INT_PTR CALLBACK Dialog::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        if (message == WM_INITDIALOG) {
            auto* self = reinterpret_cast<Dialog*>(lParam);
            SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
            self->m_window = window;
        }
        auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
        // Messages such as WM_SETFONT come before WM_INITDIALOG.
        if (self == nullptr) return FALSE;
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, DWLP_USER, 0);
            self->m_window = nullptr;
            self->OnDestroyed();
            return FALSE;
        }
        return self->Dispatch(message, wParam, lParam);
    } catch (...) {
        // No exception may unwind through the system's dialog manager.
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInit() ? TRUE : FALSE;
        case WM_COMMAND: {
            const CommandArgs args = CrackCommand(wParam, lParam);
            return OnCommand(args.id, args.code, args.control) ? TRUE : FALSE;
        }
        case WM_DRAWITEM:
            // Owner-drawn controls of ours paint themselves.
            if (OwnerDrawnControl::ReflectDrawItem(CrackDrawItem(lParam))) return TRUE;
            return FALSE;
        case WM_CLOSE:
            OnClose();
            return FALSE;
        case WM_SETCURSOR:
            OnSetCursor();
            return FALSE;
        case WM_SIZE:
            OnSize();
            return FALSE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX: {
            INT_PTR brush = FALSE;
            return OnControlColor(CrackControlColor(wParam), brush) ? brush : FALSE;
        }
        default: {
            INT_PTR result = FALSE;
            return OnMessage(message, wParam, lParam, result) ? result : FALSE;
        }
    }
}

// Modal dialogs are ANSI windows, modeless ones wide.  The modal one (the
// Cabrillo header) edits the host's own texts, which are ANSI in the host's
// code page: an ANSI window keeps what the operator types in that code page.
// The modeless ones (Setup and the information windows) show our own
// captions, Russian ones among them, set through the wide functions: only a
// wide window keeps them as they are on a system of any other code page.
INT_PTR ModalDialog::DoModal(HWND owner) {
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(TemplateId()), owner, StaticProc,
                           reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
}

bool ModalDialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

bool ModelessDialog::Create(HWND owner) {
    if (Window() != nullptr) return true;
    CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(TemplateId()), owner, StaticProc,
                       reinterpret_cast<LPARAM>(static_cast<Dialog*>(this)));
    // Not the handle it answers: a window destroyed during WM_INITDIALOG
    // may still be returned, and its handle is cleared as it goes.
    return Window() != nullptr;
}

bool ModelessDialog::Open() {
    if (!Create(nullptr)) return false;
    ShowWindow(Window(), SW_SHOW);
    return true;
}

void ModelessDialog::Destroy() {
    if (Window() != nullptr) DestroyWindow(Window());
}

bool ModelessDialog::OnCommand(int id, int /*code*/, HWND /*control*/) {
    // Enter and Esc would end a modal dialog; a modeless one must stay.
    return id == IDOK || id == IDCANCEL;
}
