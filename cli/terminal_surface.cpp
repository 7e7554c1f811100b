// A drawing surface that draws the markup renderer's output as terminal text.
#include "cli/terminal_surface.h"

#include <array>
#include <cstring>
#include <string_view>

#include "cli/utf8.h"
#include "fade/characters.h"

namespace hueloom::cli {
namespace {

constexpr std::int64_t kLineHeight = 16;  // the renderer's, in pixels
constexpr char32_t kReplacement = 0xFFFD;

// Each byte value in decimal with a ";" after it, for the colour escapes.
struct DecimalText {
    char text[4];  // stored whole, used for length
    std::size_t length;
};
constexpr auto kDecimals = [] {
    std::array<DecimalText, 256> table{};
    for (int value = 0; value < 256; ++value) {
        DecimalText& d = table[static_cast<std::size_t>(value)];
        if (value >= 100) d.text[d.length++] = static_cast<char>('0' + value / 100);
        if (value >= 10) d.text[d.length++] = static_cast<char>('0' + value / 10 % 10);
        d.text[d.length++] = static_cast<char>('0' + value % 10);
        d.text[d.length++] = ';';
    }
    return table;
}();

char* WriteComponent(char* out, std::int32_t byte) {
    const DecimalText& d = kDecimals[static_cast<std::size_t>(byte & 0xFF)];
    std::memcpy(out, d.text, sizeof d.text);  // what follows overwrites the rest
    return out + d.length;
}

char* WriteCode(char* out, std::string_view code) {
    std::memcpy(out, code.data(), code.size());
    out += code.size();
    *out++ = ';';
    return out;
}

// The pen's line, from its top: the renderer's line tops are whole multiples
// of the line height, give or take a pixel for a raised or lowered character.
std::int64_t LineOf(float y) {
    constexpr float kFarthest = 1e12f;  // also keeps a NaN from the conversion
    if (!(y > -kFarthest && y < kFarthest)) return 0;
    return (static_cast<std::int64_t>(y) + kLineHeight / 2) / kLineHeight;
}

// What a terminal may safely be sent for a character: C0 controls (but tab)
// and DEL as their pictures, C1 controls as the replacement character.
char32_t Visible(char32_t c) {
    if (c == u'\t') return c;
    if (c < 0x20) return 0x2400 + c;
    if (c == 0x7F) return 0x2421;
    if (c >= 0x80 && c < 0xA0) return kReplacement;
    return c;
}

}  // namespace

void TerminalSurface::Cls() {
    FlushLoneHighSurrogate();
    line_ = 0;
    currentY_ = seenY_ = 0;
}

void TerminalSurface::EndLine() {
    FlushLoneHighSurrogate();
    char* at = Room();
    if (shown_ != Style{}) {
        std::memcpy(at, "\x1b[0m", 4);
        at += 4;
    }
    *at++ = '\n';
    used_ = static_cast<std::size_t>(at - buffer_);
    shown_ = Style{};
    Spill();
}

void TerminalSurface::Print(std::u16string_view text) {
    for (const char16_t unit : text) {
        if (pendingHigh_ != 0 && IsLowSurrogate(unit)) {
            WriteCharacter(CodePointOfPair(pendingHigh_, unit));
            pendingHigh_ = 0;
            continue;
        }
        FlushLoneHighSurrogate();
        MoveToPenLine();
        if (IsHighSurrogate(unit)) {
            pendingHigh_ = unit;  // drawn with its low half, which the renderer prints next
        } else {
            WriteCharacter(IsLowSurrogate(unit) ? kReplacement : unit);
        }
    }
}

// The renderer moves down a line height per line break; a character raised or
// lowered by a pixel stays on its line, as a terminal cannot show the shift.
void TerminalSurface::MoveToPenLine() {
    if (currentY_ == seenY_) return;
    seenY_ = currentY_;
    for (const std::int64_t pen_line = LineOf(currentY_); line_ < pen_line; ++line_) EndLine();
}

char* TerminalSurface::WriteWantedStyle(char* at) {
    if (wanted_ == shown_) return at;
    *at++ = '\x1b';
    *at++ = '[';
    if (wanted_.bold != shown_.bold) at = WriteCode(at, wanted_.bold ? "1" : "22");
    if (wanted_.italic != shown_.italic) at = WriteCode(at, wanted_.italic ? "3" : "23");
    if (wanted_.underline != shown_.underline) at = WriteCode(at, wanted_.underline ? "4" : "24");
    if (wanted_.strikethru != shown_.strikethru) {
        at = WriteCode(at, wanted_.strikethru ? "9" : "29");
    }
    if (wanted_.colour != shown_.colour) {
        // Packed as red + 256 * green + 65536 * blue.
        std::memcpy(at, "38;2;", 5);
        at = WriteComponent(at + 5, wanted_.colour);
        at = WriteComponent(at, wanted_.colour >> 8);
        at = WriteComponent(at, wanted_.colour >> 16);
    }
    at[-1] = 'm';
    shown_ = wanted_;
    return at;
}

void TerminalSurface::WriteCharacter(char32_t character) {
    char* at = WriteWantedStyle(Room());
    if (character >= 0x20 && character < 0x7F) {
        *at++ = static_cast<char>(character);
    } else {
        at = WriteCodePoint(at, Visible(character));
    }
    used_ = static_cast<std::size_t>(at - buffer_);
}

void TerminalSurface::Spill() {
    out_.append(buffer_, used_);
    used_ = 0;
}

void TerminalSurface::FlushLoneHighSurrogate() {
    if (pendingHigh_ == 0) return;
    pendingHigh_ = 0;
    WriteCharacter(kReplacement);
}

}  // namespace hueloom::cli
