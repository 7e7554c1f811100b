// Why a handler of Form1 stopped, told to the user in the preview strip.
#include "app/form1.h"
#include "app/stopped_notice.h"
#include "fade/text_length.h"
#include "host/error.h"

namespace hueloom {

void Form1::TellWhyItStopped(std::exception_ptr error, bool sending) noexcept {
    try {
        try {
            std::rethrow_exception(error);
        } catch (const Error& failure) {
            // An overflow is the line's length only where the line is too long to fade.
            const std::size_t length = Text1.Text().size();
            if (failure.number() == kOverflowErrorNumber && length > kMaxFadeLength) {
                ShowLineTooLong(Picture1.Surface(), length, sending);
            } else if (failure.number() == kMayHaveReachedErrorNumber) {
                ShowPerhapsSent(Picture1.Surface(), failure.what());
            } else {
                ShowStopped(Picture1.Surface(), failure.what(), sending);
            }
        } catch (const std::exception& failure) {
            ShowStopped(Picture1.Surface(), failure.what(), sending);
        } catch (...) {
            ShowStopped(Picture1.Surface(), "an unknown error", sending);
        }
    } catch (...) {
        // Telling the user is a courtesy; the window must stay usable regardless.
    }
}

}  // namespace hueloom
