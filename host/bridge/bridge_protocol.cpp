// Writing and reading the bridge's messages.
#include "host/bridge/bridge_protocol.h"

#include <charconv>

namespace hueloom::bridge {
namespace {

// Words and numbers are short; a longer run without a space is no message.
constexpr std::size_t kMaxToken = 24;

void AppendField(std::string& out, const Field& field) {
    out += ' ';
    switch (field.kind) {
        case Field::Kind::kNumber: out += std::to_string(field.number); break;
        case Field::Kind::kNone: out += '-'; break;
        case Field::Kind::kBytes:
            out += std::to_string(field.bytes.size());
            out += ':';
            out += field.bytes;
            break;
    }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordChar(char c) { return (c >= 'a' && c <= 'z') || IsDigit(c) || c == '-'; }
bool EndsField(char c) { return c == ' ' || c == '\n'; }

// Reads one message from the front of the text; stops short, with more
// set, where the text ends before the message does.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Message> Read() {
        Message message;
        if (!ReadWord(message.word)) return std::nullopt;
        while (true) {
            if (!Available(1)) return std::nullopt;
            const char c = text_[at_++];
            if (c == '\n') return message;
            if (c != ' ') Broken("a field must follow a space");
            Field field;
            if (!ReadField(field)) return std::nullopt;
            message.fields.push_back(std::move(field));
        }
    }
    std::size_t used() const { return at_; }

  private:
    [[noreturn]] static void Broken(const std::string& why) {
        throw ProtocolError("the bridge's stream is broken: " + why);
    }

    bool Available(std::size_t count) const { return text_.size() - at_ >= count; }

    // The run of characters up to the next delimiter; false while it may go on.
    bool ReadToken(std::string_view& token, const char* delimiters) {
        const std::size_t end = text_.find_first_of(delimiters, at_);
        const std::size_t length = (end == std::string_view::npos ? text_.size() : end) - at_;
        if (length > kMaxToken) Broken("a word or number runs on too long");
        if (end == std::string_view::npos) return false;
        token = text_.substr(at_, length);
        at_ = end;
        return true;
    }

    bool ReadWord(std::string& word) {
        std::string_view token;
        if (!ReadToken(token, " \n")) return false;
        if (token.empty()) Broken("a message must start with a word");
        for (char c : token) {
            if (!IsWordChar(c)) Broken("a word holds a character it may not");
        }
        word = token;
        return true;
    }

    bool ReadField(Field& field) {
        std::string_view token;
        if (!ReadToken(token, " \n:")) return false;
        if (text_[at_] == ':') {
            ++at_;
            return ReadBytes(Count(token), field);
        }
        if (token == "-") {
            field = Field::None();
            return true;
        }
        field = Field::Number(Number(token));
        return true;
    }

    bool ReadBytes(std::size_t count, Field& field) {
        if (!Available(count)) return false;
        field = Field::Bytes(text_.substr(at_, count));
        at_ += count;
        if (Available(1) && !EndsField(text_[at_])) Broken("bytes run past their count");
        return true;
    }

    static std::int64_t Number(std::string_view token) {
        std::int64_t value = 0;
        const char* end = token.data() + token.size();
        const auto [stop, error] = std::from_chars(token.data(), end, value);
        if (token.empty() || error != std::errc() || stop != end) Broken("not a number");
        return value;
    }

    static std::size_t Count(std::string_view token) {
        if (token.empty() || !IsDigit(token.front())) Broken("a count must be digits");
        const std::int64_t count = Number(token);
        if (static_cast<std::uint64_t>(count) > kMaxBytesField) Broken("a count too large");
        return static_cast<std::size_t>(count);
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::string Encode(const Message& message) {
    std::string out = message.word;
    for (const Field& field : message.fields) AppendField(out, field);
    out += '\n';
    return out;
}

std::optional<Message> TakeMessage(std::string& buffer) {
    Reader reader(buffer);
    std::optional<Message> message = reader.Read();
    if (message) buffer.erase(0, reader.used());
    return message;
}

Message Greeting() { return {std::string(kGreetingWord), {Field::Number(kVersion)}}; }

void CheckGreeting(const Message& message) {
    if (message.word != kGreetingWord || message.fields.size() != 1 ||
        message.fields[0].kind != Field::Kind::kNumber) {
        throw ProtocolError("the bridge did not greet: " + Encode(message).substr(0, 60));
    }
    if (message.fields[0].number != kVersion) {
        throw ProtocolError("the bridge speaks version " + std::to_string(message.fields[0].number) +
                            ", this program " + std::to_string(kVersion));
    }
}

Message Ok(Field value) { return {"ok", {std::move(value)}}; }

Message Refusal(std::string_view why) { return {"error", {Field::Bytes(why)}}; }

std::string Utf16Bytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::u16string Utf16FromBytes(std::string_view bytes) {
    if (bytes.size() % 2 != 0) throw ProtocolError("UTF-16 text of an odd count of bytes");
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = static_cast<unsigned char>(bytes[i + 1]);
        text += static_cast<char16_t>(low | (high << 8));
    }
    return text;
}

}  // namespace hueloom::bridge
