// The picture box on Win32: its own window class, painting from its colour and its bitmap.
#include "win32/win32_picture_box.h"

#include "host/control_help.h"
#include "win32/win32_drawing_surface.h"
#include "win32/win32_messages.h"
#include "win32/win32_tooltips.h"

namespace hueloom {
namespace {

constexpr wchar_t kClassName[] = L"HueloomPictureBox";

}  // namespace

LRESULT CALLBACK Win32PictureBox::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* box = reinterpret_cast<Win32PictureBox*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT, so nothing flickers
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC target = ::BeginPaint(window, &paint);
            if (box != nullptr) box->Paint(target, paint.rcPaint);
            ::EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            if (box != nullptr) {
                RECT client{};
                ::GetClientRect(window, &client);
                box->Paint(reinterpret_cast<HDC>(wParam), client);
            }
            return 0;
        case WM_SIZE:
        case WM_DPICHANGED_AFTERPARENT:
            // The surface keeps the size and dpi it draws at between its own reads.
            if (box != nullptr && box->surface_) box->surface_->RefreshMetrics();
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (box != nullptr) box->hasFocus_ = message == WM_SETFOCUS;
            ::InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_UPDATEUISTATE:
            // The focus rectangle shows once the keyboard has been used.
            ::InvalidateRect(window, nullptr, FALSE);
            return ::DefWindowProcW(window, message, wParam, lParam);
        case WM_LBUTTONDOWN:
            ::SetFocus(window);  // a picture box takes the focus, as in the tab order
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

Win32PictureBox::Win32PictureBox(const ChildPlace& place, Win32Tooltips& tooltips,
                                 AccessibleValue value)
    : Win32Control([&place] {
          static const ATOM registered = [] {
              WNDCLASSW windowClass{};
              windowClass.lpfnWndProc = &Win32PictureBox::Procedure;
              windowClass.hInstance = ::GetModuleHandleW(nullptr);
              windowClass.hCursor = win32::ArrowCursor();
              windowClass.lpszClassName = kClassName;
              return ::RegisterClassW(&windowClass);
          }();
          (void)registered;
          return CreateChild(kClassName, L"", WS_CLIPCHILDREN, WS_EX_CLIENTEDGE, place);
      }()),
      tooltips_(tooltips),
      accessibleValue_(value),
      backColor_(::GetSysColor(COLOR_BTNFACE)) {
    ::SetWindowLongPtrW(handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32PictureBox::~Win32PictureBox() {
    if (::IsWindow(handle())) ::SetWindowLongPtrW(handle(), GWLP_USERDATA, 0);
}

void Win32PictureBox::SetBackColor(std::int32_t colour) {
    backColor_ = static_cast<COLORREF>(colour) & 0xFFFFFF;
    const std::u16string help = ColourHelp(colour);
    if (hasHelp_) {
        tooltips_.SetText(handle(), help);
    } else {
        tooltips_.Add(handle(), help);
        hasHelp_ = true;
    }
    ::InvalidateRect(handle(), nullptr, FALSE);
}

// Disabled, the box takes no input; it paints itself, so nothing greys.
void Win32PictureBox::SetEnabled(bool enabled) { ::EnableWindow(handle(), enabled ? TRUE : FALSE); }

DrawingSurface& Win32PictureBox::Surface() {
    if (!surface_) surface_ = std::make_unique<GdiDrawingSurface>(handle(), backColor_);
    return *surface_;
}

std::u16string Win32PictureBox::AccessibleValueText() {
    return PictureBoxValue(accessibleValue_, static_cast<std::int32_t>(backColor_),
                           surface_ ? &surface_->drawnText() : nullptr);
}

// Dotted, just inside the border, as the system's own controls show it.
void Win32PictureBox::PaintFocus(HDC target) {
    if (!hasFocus_ || win32::FocusCuesHidden(handle())) return;
    RECT inside{};
    ::GetClientRect(handle(), &inside);
    ::InflateRect(&inside, -1, -1);
    if (inside.right > inside.left && inside.bottom > inside.top) ::DrawFocusRect(target, &inside);
}

// The bitmap first, then the colour around it: no pixel is painted twice, so
// nothing flickers. A preview repaints whole at every keystroke, with no
// colour around it, so a bitmap that covers the area is all it takes.
void Win32PictureBox::Paint(HDC target, const RECT& area) {
    RECT drawn{};
    if (surface_ && surface_->hasDrawing()) drawn = surface_->PaintOnto(target, area);
    const bool covered = drawn.left == area.left && drawn.top == area.top &&
                         drawn.right == area.right && drawn.bottom == area.bottom;
    if (!covered) {
        const int saved = ::SaveDC(target);
        ::ExcludeClipRect(target, drawn.left, drawn.top, drawn.right, drawn.bottom);
        const HBRUSH background = ::CreateSolidBrush(backColor_);
        ::FillRect(target, &area, background);
        ::DeleteObject(background);
        ::RestoreDC(target, saved);
    }
    PaintFocus(target);
}

}  // namespace hueloom
