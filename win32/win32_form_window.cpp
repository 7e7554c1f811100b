// A form's top-level window on Win32.
#include "win32/win32_form_window.h"

#include <algorithm>
#include <stdexcept>

#include "app/form_identity.h"
#include "host/forms.h"
#include "host/window_shape.h"
#include "win32/win32_dpi.h"
#include "win32/win32_messages.h"
#include "win32/win32_tooltips.h"

namespace hueloom {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = 0;
constexpr int kIconResource = 1;

// Visible, and it and every box holding it enabled: the system gives no focus
// to a control inside a disabled swatch, and Tab must not stick before it.
bool TakesFocus(HWND control) {
    if (!::IsWindowVisible(control)) return false;
    for (HWND w = control; (::GetWindowLongW(w, GWL_STYLE) & WS_CHILD) != 0; w = ::GetParent(w)) {
        if (!::IsWindowEnabled(w)) return false;
    }
    return true;
}

// The form windows alive now, for the message loop's keyboard handling.
std::vector<Win32FormWindow*>& LiveWindows() {
    static std::vector<Win32FormWindow*> windows;
    return windows;
}

}  // namespace

void Win32FormWindow::RegisterWindowClass() {
    static const ATOM registered = [] {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &Win32FormWindow::Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = win32::ArrowCursor();
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
        windowClass.hIconSm = static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(kIconResource), IMAGE_ICON,
                         ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0));
        windowClass.lpszClassName = win32::Wide(kFormClassUtf16);
        return ::RegisterClassExW(&windowClass);
    }();
    if (registered == 0) throw std::runtime_error("cannot register the window class");
}

namespace {

RECT ClientOnScreen(const FormDesign& design, int dpi) { return PixelRect(design.client, dpi); }

bool HasRegion(HWND window) {
    const HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
    const bool has = ::GetWindowRgn(window, probe) != ERROR;
    ::DeleteObject(probe);
    return has;
}

}  // namespace

Win32FormWindow::Win32FormWindow(const FormDesign& design, FormEvents& events)
    : rules_(events), dpi_(ScreenDpi()) {
    RegisterWindowClass();
    const RECT frame = WindowRectForClient(ClientOnScreen(design, dpi_), kStyle, kExStyle, dpi_);
    const std::u16string caption(design.caption);
    handle_ = ::CreateWindowExW(kExStyle, win32::Wide(kFormClassUtf16), win32::Wide(caption), kStyle, frame.left,
                                frame.top, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (handle_ == nullptr) throw std::runtime_error("cannot create the window");
    ::SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    LiveWindows().push_back(this);
    // Placed on a monitor of another dpi: sized for that one.
    const int actual = DpiOf(handle_);
    if (actual != dpi_) {
        ChangeDpi(actual,
                  WindowRectForClient(ClientOnScreen(design, actual), kStyle, kExStyle, actual));
    }
    font_ = NewMessageFont(dpi_);
    tooltips_ = std::make_unique<Win32Tooltips>();
}

Win32FormWindow::~Win32FormWindow() {
    std::erase(LiveWindows(), this);
    form_.reset();  // it refers to the controls
    if (handle_ != nullptr && ::IsWindow(handle_)) {
        ::SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        ::DestroyWindow(handle_);
    }
    if (font_ != nullptr) ::DeleteObject(font_);
}

Hwnd Win32FormWindow::hWnd() { return detail::NeutralWindow(handle_); }

void Win32FormWindow::Close() {
    rules_.CloseForGood();
    ::ShowWindow(handle_, SW_HIDE);
}

void Win32FormWindow::Release() { ::PostMessageW(handle_, kReleaseMessage, 0, 0); }

ChildPlace Win32FormWindow::PlaceFor(const ControlDesign& design, HWND container, int id) {
    return ChildPlace{container, id, PixelRect(design.place, dpi_), font_};
}

void Win32FormWindow::Remember(Win32Control& control, const ControlDesign& design) {
    byHandle_[control.handle()] = &control;
    placed_.push_back({control.handle(), design.place});
}

void Win32FormWindow::Adopt(std::unique_ptr<Form> form) { form_ = std::move(form); }

void Win32FormWindow::Show(int showCommand) {
    win32::InitializeKeyboardCues(handle_);
    ::ShowWindow(handle_, showCommand);
}

HWND Win32FormWindow::FirstFocus() const {
    for (HWND candidate : tabOrder_) {
        if (TakesFocus(candidate)) return candidate;
    }
    return nullptr;
}

void Win32FormWindow::FocusNext(bool backwards) {
    std::vector<HWND> order;
    std::copy_if(tabOrder_.begin(), tabOrder_.end(), std::back_inserter(order), TakesFocus);
    if (order.empty()) return;
    const auto at = std::find(order.begin(), order.end(), ::GetFocus());
    std::size_t next = 0;
    if (at == order.end()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        const std::size_t index = static_cast<std::size_t>(at - order.begin());
        next = backwards ? (index + order.size() - 1) % order.size() : (index + 1) % order.size();
    }
    const HWND target = order[next];
    win32::ShowFocusCues(handle_);
    ::SetFocus(target);
    // As in a dialog, tabbing into a text box selects its text.
    if (::SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
        ::SendMessageW(target, EM_SETSEL, 0, -1);
    }
}

bool Win32FormWindow::TranslateKeys(MSG& message) {
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST) return false;
    const HWND top = ::GetAncestor(message.hwnd, GA_ROOT);
    const auto& live = LiveWindows();
    const auto found = std::find_if(live.begin(), live.end(),
                                    [top](const Win32FormWindow* w) { return w->handle_ == top; });
    if (found == live.end()) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0) {
        (*found)->FocusNext(::GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (message.message == WM_CHAR && message.wParam == L'\t') return true;
    return ::IsDialogMessageW(top, &message) != FALSE;
}

void Win32FormWindow::ChangeDpi(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    ::SetWindowPos(handle_, nullptr, suggested.left, suggested.top,
                   suggested.right - suggested.left, suggested.bottom - suggested.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    if (font_ != nullptr) {
        const HFONT old = font_;
        font_ = NewMessageFont(dpi_);
        for (const Placed& child : placed_) win32::SetFont(child.window, font_);
        ::DeleteObject(old);
    }
    for (const Placed& child : placed_) {
        const RECT r = PixelRect(child.place, dpi_);
        ::MoveWindow(child.window, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    // The region is in window pixels: once shaped, the window is shaped anew for this dpi.
    if (HasRegion(handle_)) ApplyNotchedRegion(hWnd(), dpi_);
}

LRESULT CALLBACK Win32FormWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = reinterpret_cast<Win32FormWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window is gone: so is its object, and with it the form.
        self->handle_ = nullptr;
        delete self;
        if (Forms().empty() && LiveWindows().empty()) ::PostQuitMessage(0);
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLOREDIT: {
            // lParam is the control that sent it; the control's own handler decides.
            const auto found = byHandle_.find(reinterpret_cast<HWND>(lParam));
            LRESULT result = 0;
            if (found != byHandle_.end() &&
                found->second->OnParentMessage(message, wParam, result)) {
                return result;
            }
            break;
        }
        case WM_SHOWWINDOW:
            if (wParam != FALSE && rules_.Shown()) ::PostMessageW(handle_, kActivateMessage, 0, 0);
            break;
        case kActivateMessage:
            rules_.RunQueuedActivate();
            return 0;
        case WM_ACTIVATE:
            // The focus leaves with the window and comes back to where it was.
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(handle_, focus)) focusOnActivate_ = focus;
            } else {
                HWND target = focusOnActivate_;
                if (target == nullptr || !::IsWindow(target) || !TakesFocus(target)) {
                    target = FirstFocus();
                }
                if (target != nullptr) {
                    ::SetFocus(target);
                    return 0;
                }
            }
            break;
        case WM_WINDOWPOSCHANGING:
            if (!rules_.MayShow()) reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~SWP_SHOWWINDOW;
            break;
        case WM_CLOSE:
            // The close box and the system's close command: the form decides,
            // and closes the window itself.
            rules_.CloseAsked();
            return 0;
        case WM_ENDSESSION:
            // Logging off or shutting down ends the program without closing the
            // window: unload as the close box does. FALSE: the session goes on.
            if (wParam != FALSE) rules_.CloseAsked();
            return 0;
        case kReleaseMessage:
            ::DestroyWindow(handle_);  // this object is gone once it returns
            return 0;
        case WM_DPICHANGED:
            ChangeDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(handle_, message, wParam, lParam);
}

}  // namespace hueloom
