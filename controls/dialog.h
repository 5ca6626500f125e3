// Dialogs made from templates in our own resources.  `this` travels with
// DialogBoxParam/CreateDialogParam and is stored at WM_INITDIALOG; the
// static procedure cracks the messages the windows handle into the named
// handlers below and lets no exception out.
#pragma once

#include <windows.h>

class Dialog {
  public:
    explicit Dialog(int templateId) : m_templateId(templateId) {}
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;
    virtual ~Dialog() = default;

    HWND Window() const { return m_window; }
    HWND Item(int id) const { return GetDlgItem(m_window, id); }

  protected:
    int TemplateId() const { return m_templateId; }
    static INT_PTR CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Each answers whether it handled the message; an unhandled one gets the
    // dialog manager's default handling.
    // WM_INITDIALOG: true lets the system put the focus on the first control.
    virtual bool OnInit() { return true; }
    // WM_COMMAND: a control's notification `code`, or a menu or key command.
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    // WM_CLOSE: the caption's close box, Alt+F4 or a WM_CLOSE sent; the
    // default handling then turns it into the command IDCANCEL.
    virtual void OnClose() {}
    // WM_SETCURSOR: the mouse moves over the window; the default handling
    // still sets the cursor afterwards.
    virtual void OnSetCursor() {}
    // WM_SIZE: the client area has a new size; the default handling follows.
    virtual void OnSize() {}
    // WM_CTLCOLORDLG, ...STATIC, ...BTN, ...EDIT, ...LISTBOX: colours a control
    // (or the dialog) paints with through `dc`; `brush` paints its face.
    virtual bool OnControlColor(HDC /*dc*/, INT_PTR& /*brush*/) { return false; }
    // The plug-in's private messages, which no handler above covers;
    // `result` is what the dialog procedure returns.
    virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) { return false; }
    // The window is gone; nothing may touch it any more.
    virtual void OnDestroyed() {}

  private:
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    int m_templateId;
};

// Runs in its own message loop until End; OK and Cancel end it by default.
class ModalDialog : public Dialog {
  public:
    using Dialog::Dialog;
    // The value given to End, or -1 when the dialog could not be created.
    INT_PTR DoModal(HWND owner);

  protected:
    void End(INT_PTR result) { EndDialog(Window(), result); }
    bool OnCommand(int id, int code, HWND control) override;
    virtual void OnOK() { End(IDOK); }
    virtual void OnCancel() { End(IDCANCEL); }
};

// Lives in the message loop of the thread that created it until Destroy.
// Its owner destroys it: by the time this destructor runs, the derived
// class's OnDestroyed (registry entries and the like) no longer can.
class ModelessDialog : public Dialog {
  public:
    using Dialog::Dialog;
    ~ModelessDialog() override { Destroy(); }  // a last resort only
    bool Create(HWND owner);
    // Creates it without an owner and shows it; false when it could not be made.
    bool Open();
    void Destroy();

  protected:
    bool OnCommand(int id, int code, HWND control) override;
};
