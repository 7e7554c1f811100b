// What a screen reader hears of hueloom.exe's controls: their names, and where
// the system keeps annotations their descriptions and values.
// clang-format off
#include "driver_harness.h"
#include <initguid.h>  // after <windows.h>, whose types they use
#include <oleacc.h>
// clang-format on
#include <optional>

#include "host/control_help.h"
#include "host/packed_colour.h"
#include "window_checks.h"

namespace hueloom::driver {
namespace {

enum class Property { kName, kDescription, kValue };

// What a screen reader hears of a window's client object; nothing when it is not answered.
std::optional<std::u16string> Hear(HWND window, Property property) {
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                            reinterpret_cast<void**>(&object)))) {
        return std::nullopt;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    const HRESULT result = property == Property::kName ? object->get_accName(self, &text)
                           : property == Property::kDescription
                               ? object->get_accDescription(self, &text)
                               : object->get_accValue(self, &text);
    std::optional<std::u16string> heard;
    if (result == S_OK && text != nullptr) heard = reinterpret_cast<const char16_t*>(text);
    ::SysFreeString(text);
    object->Release();
    return heard;
}

// Whether this system keeps what a program annotates on its windows: tried on
// a window of the driver's own.
bool KeepsAnnotations() {
    IAccPropServices* services = nullptr;
    if (FAILED(::CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IAccPropServices, reinterpret_cast<void**>(&services)))) {
        return false;
    }
    const HWND probe = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         ::GetModuleHandleW(nullptr), nullptr);
    const bool kept = SUCCEEDED(
        services->SetHwndPropStr(probe, OBJID_CLIENT, CHILDID_SELF, PROPID_ACC_NAME, L"probe"));
    services->ClearHwndProps(probe, OBJID_CLIENT, CHILDID_SELF, &PROPID_ACC_NAME, 1);
    ::DestroyWindow(probe);
    services->Release();
    return kept;
}

}  // namespace

// Names, descriptions and values as a screen reader hears them, after the
// bars are set and the line typed. Where the system keeps no annotations
// (Wine) a control is named by its window text alone, which the program gives
// the name wherever the control shows no text of its own.
void CheckAccessibility(const Form& form, const std::vector<Component>& values,
                        const std::u16string& line) {
    const bool annotated = KeepsAnnotations();
    std::string wrong, ownText;
    for (const auto& [design, window] : ControlWindows(form)) {
        const auto name = Hear(window, Property::kName);
        if (name == design->accessibleName) continue;
        const std::string heard =
            ' ' + std::string(design->name) + "=[" + Narrow(name.value_or(u"")) + ']';
        const bool showsText = !design->caption.empty() || design->kind == ControlKind::kTextBox;
        (annotated || !showsText ? wrong : ownText) += heard;
    }
    Report(wrong.empty(), "every control has its accessible name", wrong);
    if (!annotated) {
        std::printf("note: no annotations kept here; named by their own text:%s\n",
                    ownText.c_str());
        const auto told = [](HWND window, Property property) {
            const auto heard = Hear(window, property);
            return heard ? '[' + Narrow(*heard) + ']' : std::string("nothing");
        };
        std::printf(
            "note: no annotations kept here; Blue1's description %s, values: Blue1 %s, "
            "Slider1 %s, Color1 %s, Picture1 %s\n",
            told(form.Item("Blue1"), Property::kDescription).c_str(),
            told(form.Item("Blue1"), Property::kValue).c_str(),
            told(form.Item("Slider1"), Property::kValue).c_str(),
            told(form.Swatch(0), Property::kValue).c_str(),
            told(form.Item("Picture1"), Property::kValue).c_str());
        std::fflush(stdout);
        return;
    }
    for (const auto& [design, window] : ControlWindows(form)) {
        if (Hear(window, Property::kDescription) != design->accessibleDescription)
            wrong += ' ' + std::string(design->name);
    }
    Report(wrong.empty(), "every control has its accessible description", wrong);
    for (int i = 0; i < 3 * kColumns; ++i) {
        if (Hear(form.Bar(i / 3, i % 3), Property::kValue) != ValueHelp(values[i]))
            wrong += " bar" + std::to_string(i + 1);
    }
    for (int column = 0; column < kColumns; ++column) {
        const Component* v = &values[3 * column];
        if (Hear(form.Swatch(column), Property::kValue) !=
            ColourHelp(PackedColour(v[0], v[1], v[2])))
            wrong += " swatch" + std::to_string(column + 1);
    }
    if (Hear(form.Item("Slider1"), Property::kValue) != u"0") wrong += " Slider1";
    if (Hear(form.Item("Picture1"), Property::kValue) != line) wrong += " Picture1";
    Report(wrong.empty(),
           "values: bars and slider in decimal, swatches as #RRGGBB, the preview's text", wrong);
}

}  // namespace hueloom::driver
