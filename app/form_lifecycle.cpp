// Form1's start and close: the announcements, the topmost band and the
// window region, and unloading every form.
#include <exception>

#include "app/announcement.h"
#include "app/form1.h"
#include "app/handler_scope.h"
#include "chatlink/chatlink.h"
#include "fade/fade.h"
#include "host/window_shape.h"

namespace hueloom {

// Black, red and dark red, as packed colour values in decimal text.
std::u16string Announcement(std::u16string_view text) {
    return FadeThreeValues(u"0", u"255", u"100", text, true);
}

void Form1::Form_Activate() {
    // A fault in the announcement is told once the window is shaped: the
    // window's band and region do not depend on the chat.
    std::exception_ptr announcementFault;
    try {
        SendChatLine(Announcement(kLoadedAnnouncement));
    } catch (...) {
        announcementFault = std::current_exception();
    }
    // A close during the announcement's yields leaves nothing to shape.
    if (IsUnloading()) return;
    StayOnTop(*this);
    ApplyNotchedRegion(hWnd(), window_.Dpi());
    if (announcementFault) std::rethrow_exception(announcementFault);
}

void Form1::Form_Unload(bool& /*cancel: an unload is never refused*/) {
    SendChatLine(Announcement(kUnloadAnnouncement));
    UnloadAllForms();
}

void Form1::Unload() {
    if (unload_ != UnloadState::kLoaded) return;
    HandlerScope scope(*this);
    unload_ = UnloadState::kUnloading;
    Guarded(
        [this] {
            bool cancel = false;
            Form_Unload(cancel);
        },
        false);
    unload_ = UnloadState::kUnloaded;
    LeaveForms();
    window_.Close();
}

void Form1::Activate() {
    if (!IsUnloading()) Run([this] { Form_Activate(); });
}

bool Form1::CloseRequested() {
    // Its own unload is still running and closes the window when it ends.
    if (unload_ == UnloadState::kUnloading) return false;
    Unload();
    return true;
}

void StayOnTop(Form1& form) {
    try {
        MakeTopmost(form.hWnd());
    } catch (...) {
        // The topmost band is a nicety; the window works without it.
    }
}

void UnloadAllForms() {
    // A form's unload may run further handlers, which may unload others:
    // each is looked for again before it is unloaded.
    for (Form* form : Forms()) {
        const std::vector<Form*> loaded = Forms();
        if (std::find(loaded.begin(), loaded.end(), form) != loaded.end()) form->Unload();
    }
}

}  // namespace hueloom
