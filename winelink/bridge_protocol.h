// The wire between the Linux program and hueloom-wine-bridge.exe: one message
// a line, readable in a log. A message is a word and its fields, each after a
// space, ended by "\n". A field is a decimal number, "-" for none, or bytes
// written as their count, a colon and the raw bytes ("11:aol frame25"), so a
// text may hold any byte, a line break or 0x1A included, and costs no more
// than itself.
//
//   bridge:  hueloom-wine-bridge 1                          the greeting, with the version
//   program: find 11:aol frame25 -                          FindWindowA
//   bridge:  ok 65574
//   program: findex 65574 0 9:mdiclient -                   FindWindowExA
//   program: send 65580 12 0 5:hello                        SendMessageA, WM_SETTEXT's ANSI bytes
//   bridge:  handing                                        the message goes to the chat client now
//   bridge:  ok 1
//   program: send 65580 258 13 0                            SendMessageA, a number for lParam
//   program: ansi 4:h\0i\0                                  the UTF-16LE text in the code page
//   bridge:  ok 2:hi
//   bridge:  error 19:no such request: x               a request the bridge will not serve
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/error.h"

namespace hueloom::bridge {

inline constexpr int kVersion = 2;
inline constexpr std::string_view kGreetingWord = "hueloom-wine-bridge";
// Said by the bridge before it sends a window message, which may wait on the
// chat client: from here on the message may reach it, and the answer may be slow.
inline constexpr std::string_view kHandingWord = "handing";
// The longest message taken, either way: a line of the longest text the fade
// allows (about 32 code units a character) as UTF-16, with room to spare.
// Anything longer, or with more fields, is a broken stream.
inline constexpr std::size_t kMaxMessageBytes = std::size_t{4} << 20;
inline constexpr std::size_t kMaxFields = 8;

struct Field {
    enum class Kind { kNumber, kNone, kBytes };
    Kind kind = Kind::kNone;
    std::int64_t number = 0;
    std::string bytes = {};

    static Field Number(std::int64_t value) { return {Kind::kNumber, value, {}}; }
    static Field None() { return {}; }
    static Field Bytes(std::string_view value) { return {Kind::kBytes, 0, std::string(value)}; }
    // A C string as bytes; a null pointer as none.
    static Field Text(const char* value) { return value ? Bytes(value) : None(); }
    bool operator==(const Field&) const = default;
};

struct Message {
    std::string word;
    std::vector<Field> fields = {};
    bool operator==(const Message&) const = default;
};

// Bytes on the wire that make no message: the stream cannot be trusted after them.
class ProtocolError : public Error {
  public:
    explicit ProtocolError(const std::string& what) : Error(kProtocolErrorNumber, what) {}
    static constexpr int kProtocolErrorNumber = 1002;
};

inline constexpr int kUnreachableErrorNumber = 1001;

// What the user is told, below "Not sent", when a line meant for the chat
// under Wine could not go: short, so that the preview strip shows it whole.
inline Error Unreachable(std::string_view why) {
    return Error(kUnreachableErrorNumber,
                 "the chat under Wine could not be reached (" + std::string(why) + ")");
}

// The bridge had handed the message to the chat client when the answer failed
// to come: the message may have reached it.
inline Error NoAnswer(std::string_view why) {
    return Error(kMayHaveReachedErrorNumber,
                 "the chat client did not answer (" + std::string(why) + ")");
}

std::string Encode(const Message& message);

// The messages of a stream as its bytes arrive, in time linear in the bytes
// and in memory bounded by the longest message.
class MessageReader {
  public:
    void Append(const char* bytes, std::size_t count);
    void Append(std::string_view bytes) { Append(bytes.data(), bytes.size()); }
    // The first whole message waiting; nothing while it is still incomplete.
    // ProtocolError for bytes that are no message, or too many of them.
    std::optional<Message> Take();
    void Clear();
    std::size_t waiting() const { return buffer_.size() - start_; }

  private:
    std::string buffer_;
    std::size_t start_ = 0;   // the bytes before it are taken
    std::size_t needed_ = 0;  // no message is whole before the buffer holds this many
};

Message Greeting();
// Throws ProtocolError unless the message greets with this version.
void CheckGreeting(const Message& message);

// Answers: ok with a number or bytes, or error with the bridge's words.
Message Ok(Field value);
Message Refusal(std::string_view why);

// UTF-16 code units as little-endian bytes and back; any unit survives,
// a lone surrogate or a NUL too. An odd count of bytes is a ProtocolError.
std::string Utf16Bytes(std::u16string_view text);
std::u16string Utf16FromBytes(std::string_view bytes);

}  // namespace hueloom::bridge
