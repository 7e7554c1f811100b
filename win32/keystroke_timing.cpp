// Keystroke to finished preview, timed with the performance counter.
#include "win32/keystroke_timing.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/form1_design.h"
#include "win32/win32_messages.h"

namespace hueloom {
namespace {

struct Run {
    int length;
    int keystrokes;
};
constexpr Run kRuns[] = {{100, 200}, {32767, 20}};

std::u16string LineOf(int length) {
    const std::u16string words = u"The quick brown fox jumps over the lazy dog. ";
    std::u16string line;
    while (line.size() < static_cast<std::size_t>(length)) line += words;
    line.resize(static_cast<std::size_t>(length));
    return line;
}

double Milliseconds(LONGLONG ticks) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

bool TimeKeystrokes(HWND form, const std::wstring& reportPath) {
    const HWND text = ::GetDlgItem(form, FindControl("Text1")->controlId);
    const HWND picture = ::GetDlgItem(form, FindControl("Picture1")->controlId);
    std::FILE* report = ::_wfopen(reportPath.c_str(), L"w");
    if (text == nullptr || picture == nullptr || report == nullptr) {
        if (report != nullptr) std::fclose(report);
        return false;
    }
    bool whole = true;
    for (const Run& run : kRuns) {
        win32::SetText(text, LineOf(run.length - 1));
        ::SendMessageW(text, EM_SETSEL, run.length - 1, run.length - 1);
        ::UpdateWindow(picture);
        std::vector<double> times;
        for (int k = 0; k < run.keystrokes; ++k) {
            // A character takes the line to its length; a backspace takes it back.
            const WPARAM key = k % 2 == 0 ? L'x' : L'\b';
            LARGE_INTEGER start, end;
            ::QueryPerformanceCounter(&start);
            ::SendMessageW(text, WM_CHAR, key, 1);
            ::UpdateWindow(picture);
            ::GdiFlush();
            ::QueryPerformanceCounter(&end);
            times.push_back(Milliseconds(end.QuadPart - start.QuadPart));
        }
        const auto expected = static_cast<int>(run.length - 1 + run.keystrokes % 2);
        whole = whole && ::GetWindowTextLengthW(text) == expected;
        std::sort(times.begin(), times.end());
        std::fprintf(report,
                     "keystroke to finished preview, %d characters: median %.2f ms, min %.2f ms, "
                     "max %.2f ms (%d keystrokes)\n",
                     run.length, times[times.size() / 2], times.front(), times.back(),
                     run.keystrokes);
    }
    if (!whole) std::fprintf(report, "keystrokes were lost\n");
    const bool written = std::fclose(report) == 0;
    return whole && written;
}

}  // namespace hueloom
