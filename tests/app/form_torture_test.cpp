// Form1 under re-entrancy torture: every yield of a handler may, at random and
// nested to a bounded depth, edit Text1, move bars and the slider, switch the
// fade size, press Send, close the window or try to show it again. Whatever
// happens, every line sent is well-formed markup of a text Text1 really held,
// and a closed window stays closed. Run under the sanitizer build this also
// proves no memory error and no leak.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <set>

#include "form_fixture.h"

namespace hueloom::testing {
namespace {

// Reads a sent line strictly: per character a colour tag, a wave tag when
// wavy, then one byte. Returns false for anything else.
bool ReadLine(const std::string& line, bool wavy, std::string& text) {
    static const std::string kStart = "<Font Color=#";
    static const char* const kWaves[] = {"<sup>", "</sup>", "<sub>", "</sub>"};
    text.clear();
    std::size_t at = 0;
    while (at < line.size()) {
        if (line.compare(at, kStart.size(), kStart) != 0) return false;
        at += kStart.size();
        for (int k = 0; k < 6; ++k, ++at) {
            if (at >= line.size() || !std::isxdigit(static_cast<unsigned char>(line[at])) ||
                std::islower(static_cast<unsigned char>(line[at]))) {
                return false;
            }
        }
        if (at >= line.size() || line[at++] != '>') return false;
        if (wavy) {
            const std::string wave = kWaves[text.size() % 4];
            if (line.compare(at, wave.size(), wave) != 0) return false;
            at += wave.size();
        }
        if (at >= line.size()) return false;
        text.push_back(line[at++]);
    }
    return true;
}

// What the chat link makes of a text: the host's code page, NUL as '?'.
std::string AsSent(std::u16string_view text) {
    std::string sent = Ansi(text);
    for (char& c : sent) {
        if (c == '\0') c = '?';
    }
    return sent;
}

struct Torture {
    FormFixture& f;
    std::mt19937 random;
    int maxDepth;
    int budget;    // actions left in this run
    int closable;  // a close may come once the budget is down to this
    int depth = 0;
    int deepest = 0;
    int closes = 0;
    std::size_t callsAtClose = 0;  // the window system's log when the first close returned
    std::set<std::string> texts;   // every text Text1 has held, as it would be sent

    Torture(FormFixture& fixture, unsigned seed, int maxDepth, int budget)
        : f(fixture), random(seed), maxDepth(maxDepth), budget(budget), closable(budget / 2) {
        texts.insert(AsSent(f.Text1().text()));
        f.toolkit.pendingEvent = [this] { Yield(); };
    }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    // A yield: now and then a few actions, each of which may yield in turn.
    void Yield() {
        if (depth >= maxDepth || budget <= 0 || Pick(3) == 0) return;
        ++depth;
        deepest = std::max(deepest, depth);
        for (int k = 1 + Pick(2); k > 0 && budget > 0; --k) Act();
        --depth;
    }

    std::u16string RandomPiece() {
        static const char16_t* const kPieces[] = {
            u"a", u"Hi",     u"<",      u">",      u"<b>",    u"+chr13+",       u"\r",
            u" ", u"\x00e9", u"\x20ac", u"\xd800", u"\xdc00", u"<font color=#", u"\x4e2d"};
        std::u16string piece = kPieces[Pick(static_cast<int>(std::size(kPieces)))];
        if (Pick(10) == 0) piece.push_back(u'\0');
        return piece;
    }

    void SetText(std::u16string text) {
        texts.insert(AsSent(text));
        f.Text1().SetText(std::move(text));
    }

    void EditText() {
        std::u16string text = f.Text1().text();
        switch (Pick(6)) {
            case 0:
                return SetText(RandomPiece() + RandomPiece());
            case 1:
                if (!text.empty()) text.pop_back();
                return SetText(text);
            case 2:
                return SetText({});
            case 3:
                // Now and then a line too long to fade; most edits keep it short.
                if (Pick(8) == 0) return SetText(std::u16string(32767 + Pick(2), u'x'));
                [[fallthrough]];
            default:
                if (text.size() > 80) text.clear();
                text.insert(static_cast<std::size_t>(Pick(static_cast<int>(text.size()) + 1)),
                            RandomPiece());
                return SetText(text);
        }
    }

    void MoveBar() {
        InProcessScrollBar& bar = f.Bar(BarName(static_cast<std::size_t>(Pick(30))));
        const int to = Pick(2) == 0 ? 255 * Pick(2) : Pick(256);
        if (Pick(2) == 0) {
            bar.Move(to);  // arrow, track or keyboard
        } else {
            bar.Drag(to);  // a drag of the thumb
            bar.EndDrag();
        }
    }

    void Act() {
        --budget;
        switch (Pick(11)) {
            case 0:
            case 1:
            case 2:
                return EditText();
            case 3:
            case 4:
                return MoveBar();
            case 5: {
                const char* const options[] = {"fade3", "fade4", "fade5", "fade10"};
                return f.controls.Select(options[Pick(4)]);
            }
            case 6:
            case 7:
                return f.Click();
            case 8: {
                InProcessSlider& slider = f.controls.slider("Slider1");
                return slider.Move(std::clamp(slider.value() + (Pick(2) == 0 ? 5 : -5), 0, 255));
            }
            case 9:
                if (budget < closable && Pick(6) == 0) Close();
                return;
            default:
                return f.Window().Show();  // after a close this must change nothing
        }
    }

    // Only the first close unloads; it has returned once its unload is done.
    void Close() {
        const bool first = closes++ == 0;
        f.Window().UserClose();
        if (first) callsAtClose = f.windows.calls().size();
    }

    // Top-level actions until the budget is spent, then a close if none came.
    void Run() {
        f.Window().Show();
        while (budget > 0) Act();
        if (closes == 0) Close();
    }
};

// Twelve runs in the suite; HUELOOM_TORTURE_SEEDS asks for more in a long run.
unsigned Seeds() {
    const char* asked = std::getenv("HUELOOM_TORTURE_SEEDS");
    const int seeds = asked != nullptr ? std::atoi(asked) : 0;
    return seeds > 0 ? static_cast<unsigned>(seeds) : 12;
}

TEST(FormTorture, NestedEventsNeverBreakTheWindowOrTheLines) {
    for (unsigned seed = 1; seed <= Seeds(); ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        FormFixture f;
        Torture torture(f, seed, 4, 400);
        torture.Run();

        int announcedUnload = 0;
        const std::vector<RecordedCall>& calls = f.windows.calls();
        for (std::size_t k = 0; k < calls.size(); ++k) {
            const RecordedCall& call = calls[k];
            const bool afterClose = k >= torture.callsAtClose;
            // Nothing shapes or raises the window once it has closed.
            if (call.operation == "SetWindowPos" || call.operation == "SetWindowRgn") {
                EXPECT_FALSE(afterClose) << call.operation;
            }
            if (call.operation != "SendMessageA" || call.args[1] != kWmSetText) continue;
            EXPECT_FALSE(afterClose) << "a line was sent after the window closed";
            const std::string& line = call.texts.at(0);
            std::string text;
            if (ReadLine(line, true, text) &&
                (text == "Hueloom Loaded" || text == "Hueloom Unload")) {
                announcedUnload += text == "Hueloom Unload";
                continue;
            }
            ASSERT_TRUE(ReadLine(line, false, text)) << "call " << k << " is not well-formed";
            EXPECT_EQ(torture.texts.count(text), 1u) << "call " << k << " is no text Text1 held";
        }
        EXPECT_EQ(announcedUnload, 1);
        EXPECT_TRUE(f.form->IsUnloading());
        EXPECT_TRUE(f.Window().closed() && f.Window().released());
        f.Window().Show();
        EXPECT_FALSE(f.Window().shown());
        EXPECT_GE(torture.deepest, 2);
    }
}

}  // namespace
}  // namespace hueloom::testing
