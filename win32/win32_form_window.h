// A form's top-level window on Win32: a fixed border and a close box only,
// Activate once after the first show, the close box asking the form, and the
// window procedure handing each control's messages to that control.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "host/control_design.h"
#include "host/controls.h"
#include "host/form_window_rules.h"
#include "host/forms.h"
#include "win32/win32_control.h"

namespace hueloom {

class Win32Tooltips;

class Win32FormWindow final : public FormWindow {
  public:
    // Made hidden, at the design's client area scaled to the screen's dpi.
    Win32FormWindow(const FormDesign& design, FormEvents& events);
    ~Win32FormWindow() override;
    Win32FormWindow(const Win32FormWindow&) = delete;
    Win32FormWindow& operator=(const Win32FormWindow&) = delete;

    Hwnd hWnd() override;
    int Dpi() override { return dpi_; }
    // Hidden for good: it is never shown again and raises nothing more.
    void Close() override;
    // Destroyed from the message loop (a posted message), never inside a handler.
    void Release() override;

    HWND handle() const { return handle_; }
    Win32Tooltips& tooltips() { return *tooltips_; }

    // Where a control of the design goes inside its container's client area.
    ChildPlace PlaceFor(const ControlDesign& design, HWND container, int id);
    // Keeps a control made for this window from its design: its parent
    // messages reach it from now on, and a change of dpi places it anew.
    template <typename Control>
    Control& Keep(std::unique_ptr<Control> control, const ControlDesign& design) {
        Control& kept = *control;
        Remember(kept, design);
        controls_.push_back(std::move(control));
        return kept;
    }
    void SetTabOrder(std::vector<HWND> order) { tabOrder_ = std::move(order); }
    // The window owns the form it shows; the form goes before the controls.
    void Adopt(std::unique_ptr<Form> form);
    void Show(int showCommand);

    // Tab and Shift+Tab along the form's own order, and the dialog keys (the
    // option group's arrows). True when the message was taken.
    static bool TranslateKeys(MSG& message);

  private:
    struct Placed {
        HWND window;
        TwipsRect place;
    };
    static constexpr UINT kActivateMessage = WM_APP + 1;
    static constexpr UINT kReleaseMessage = WM_APP + 2;

    static void RegisterWindowClass();
    void Remember(Win32Control& control, const ControlDesign& design);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void FocusNext(bool backwards);
    HWND FirstFocus() const;
    void ChangeDpi(int dpi, const RECT& suggested);

    HWND handle_ = nullptr;
    FormWindowRules rules_;
    int dpi_;
    HFONT font_ = nullptr;
    std::unique_ptr<Win32Tooltips> tooltips_;
    std::vector<std::unique_ptr<Win32Control>> controls_;
    std::unique_ptr<Form> form_;
    std::unordered_map<HWND, Win32Control*> byHandle_;
    std::vector<Placed> placed_;
    std::vector<HWND> tabOrder_;
    HWND focusOnActivate_ = nullptr;
};

}  // namespace hueloom
