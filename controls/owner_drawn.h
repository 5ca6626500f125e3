// A dialog's control taken over by an object of ours: the control's window
// is subclassed so that the object can be found from it, and the parent
// dialog hands each WM_DRAWITEM back to the control's object to paint.
#pragma once

#include <windows.h>

class OwnerDrawnControl {
  public:
    OwnerDrawnControl() = default;
    OwnerDrawnControl(const OwnerDrawnControl&) = delete;
    OwnerDrawnControl& operator=(const OwnerDrawnControl&) = delete;
    virtual ~OwnerDrawnControl();

    // Subclasses the parent's item `id`; false (nothing changed) when the
    // parent has no such item or it is taken over already.
    bool SubclassDlgItem(int id, HWND parent);
    HWND Window() const { return m_window; }

    // Paints the item into `item.hDC` within `item.rcItem`.
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;

    // For the parent's WM_DRAWITEM: true when the item belongs to one of
    // our objects, which has painted it.
    static bool ReflectDrawItem(const DRAWITEMSTRUCT* item);

  protected:
    // Runs once the window is subclassed, before any message reaches us.
    virtual void PreSubclassWindow() {}
    // Messages of the control; the default passes them to its own class.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static OwnerDrawnControl* FromWindow(HWND window);
    void Unsubclass();

    HWND m_window = nullptr;
    WNDPROC m_classProc = nullptr;
};
