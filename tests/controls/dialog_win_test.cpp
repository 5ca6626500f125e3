// The dialog base classes: `this` reaches the virtuals, exceptions stay
// inside the dialog procedure, modal and modeless end their own way.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>

#include "controls/dialog.h"
#include "resources/resource.h"
#include "tests/support/window_driver_win.h"

namespace {
constexpr UINT kThrowMessage = WM_APP + 1;

class ThrowingDialog : public ModalDialog {
  public:
    ThrowingDialog() : ModalDialog(IDD_CABRILLO) {}
    int inits = 0;

  protected:
    bool OnInit() override {
        ++inits;
        throw std::runtime_error("from OnInit");
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) override {
        if (message == kThrowMessage) throw std::bad_alloc();
        return false;
    }
};

class Modeless : public ModelessDialog {
  public:
    Modeless() : ModelessDialog(IDD_CABRILLO) {}
    int destroyed = 0;

  protected:
    void OnDestroyed() override { ++destroyed; }
};

// Handles the messages already waiting for this thread.
void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}
}  // namespace

TEST(ModalDialog, ExceptionsInHandlersDoNotEndTheDialog) {
    ThrowingDialog dialog;
    LRESULT answer = -1;
    WindowDriver driver("DARNOL Contest", [&](HWND window) {
        answer = SendMessageA(window, kThrowMessage, 0, 0);
        Press(window, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(nullptr), IDCANCEL);
    ASSERT_TRUE(driver.Found());
    EXPECT_EQ(dialog.inits, 1);
    EXPECT_EQ(answer, 0);
    EXPECT_EQ(dialog.Window(), nullptr) << "forgotten once destroyed";
}

TEST(ModelessDialog, StaysOnOkAndCancelAndIsGoneAfterDestroy) {
    Modeless dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND window = dialog.Window();
    ASSERT_NE(window, nullptr);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    Pump();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(dialog.Create(nullptr)) << "a second Create keeps the window";
    EXPECT_EQ(dialog.Window(), window);
    dialog.Destroy();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog.Window(), nullptr);
    EXPECT_EQ(dialog.destroyed, 1);
}
