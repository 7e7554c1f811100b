// Annotations for screen readers through the accessibility services of oleacc.
// clang-format off
#include "win32/win32_accessibility.h"
#include <initguid.h>  // defines the GUIDs oleacc.h declares, once, here
#include <oleacc.h>
// clang-format on

#include <utility>

#include "win32/win32_messages.h"

namespace hueloom {

// Answers the value of one control, read from it when a client asks.
class AccessibleValueServer final : public IAccPropServer {
  public:
    explicit AccessibleValueServer(Win32Annotation::ValueText value) : value_(std::move(value)) {}
    // The control is going: clients that still hold this server hear nothing.
    void Detach() { value_ = nullptr; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IAccPropServer) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IAccPropServer*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetPropValue(const BYTE*, DWORD, MSAAPROPID property, VARIANT* value,
                                           BOOL* has) override {
        value->vt = VT_EMPTY;
        *has = FALSE;
        if (!value_ || property != PROPID_ACC_VALUE) return S_OK;
        const std::u16string text = value_();
        value->bstrVal = ::SysAllocStringLen(win32::Wide(text), static_cast<UINT>(text.size()));
        if (value->bstrVal == nullptr) return E_OUTOFMEMORY;
        value->vt = VT_BSTR;
        *has = TRUE;
        return S_OK;
    }

  private:
    Win32Annotation::ValueText value_;
    ULONG references_ = 1;
};

namespace {

// A swatch is a picture of its colour; the preview reads as text.
LONG RoleOf(const ControlDesign& design) {
    return design.accessibleValue == AccessibleValue::kDrawnText ? ROLE_SYSTEM_STATICTEXT
                                                                 : ROLE_SYSTEM_GRAPHIC;
}

}  // namespace

Win32Annotation::Win32Annotation(HWND control, const ControlDesign& design, ValueText value)
    : control_(control) {
    const std::u16string name(design.accessibleName);
    // The system's own accessible objects read a control's name from its
    // window text; a bar, the slider and a picture box show none.
    if (design.caption.empty() && design.kind != ControlKind::kTextBox) {
        win32::SetText(control, name);
    }
    if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void**>(&services_)))) {
        services_ = nullptr;
        return;
    }
    const std::u16string description(design.accessibleDescription);
    services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME,
                              win32::Wide(name));
    services_->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                              win32::Wide(description));
    if (design.kind == ControlKind::kPictureBox) {
        VARIANT role{};
        role.vt = VT_I4;
        role.lVal = RoleOf(design);
        services_->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_ROLE, role);
    }
    if (design.accessibleValue != AccessibleValue::kNone && value) {
        server_ = new AccessibleValueServer(std::move(value));
        const MSAAPROPID properties[] = {PROPID_ACC_VALUE};
        services_->SetHwndPropServer(control, OBJID_CLIENT, CHILDID_SELF, properties, 1, server_,
                                     ANNO_THIS);
    }
}

Win32Annotation::~Win32Annotation() {
    if (services_ == nullptr) return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, PROPID_ACC_ROLE,
                                     PROPID_ACC_VALUE};
    services_->ClearHwndProps(control_, OBJID_CLIENT, CHILDID_SELF, properties, 4);
    if (server_ != nullptr) {
        server_->Detach();
        server_->Release();
    }
    services_->Release();
}

}  // namespace hueloom
