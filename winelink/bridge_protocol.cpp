// Writing and reading the bridge's messages.
#include "winelink/bridge_protocol.h"

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

[[noreturn]] void Broken(const std::string& why) {
    throw ProtocolError("the bridge's stream is broken: " + why);
}

// A field as read: its bytes still in the text, copied once the message is whole.
struct Piece {
    Field::Kind kind = Field::Kind::kNone;
    std::int64_t number = 0;
    std::string_view bytes = {};
};

// Reads one message from the front of the text; stops short, with needed set
// to the length the text must reach first, where the text ends before the
// message does. Each step looks at a bounded stretch or skips a counted one,
// so reading again as bytes arrive costs no more than the message's fields.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}

    std::optional<Message> Read() {
        std::string_view word;
        if (!ReadWord(word)) return std::nullopt;
        while (true) {
            if (!Available(1)) return Short(at_ + 1);
            const char c = text_[at_++];
            if (c == '\n') return Whole(word);
            if (c != ' ') Broken("a field must follow a space");
            if (pieces_.size() == kMaxFields) Broken("too many fields");
            Piece piece;
            if (!ReadField(piece)) return std::nullopt;
            pieces_.push_back(piece);
        }
    }
    std::size_t used() const { return at_; }
    std::size_t needed() const { return needed_; }

  private:
    std::optional<Message> Short(std::size_t needed) {
        needed_ = needed;
        return std::nullopt;
    }

    Message Whole(std::string_view word) const {
        Message message{std::string(word)};
        message.fields.reserve(pieces_.size());
        for (const Piece& piece : pieces_) {
            message.fields.push_back({piece.kind, piece.number, std::string(piece.bytes)});
        }
        return message;
    }

    bool Available(std::size_t count) const { return text_.size() - at_ >= count; }

    // The run of characters up to the next delimiter; false while it may go on.
    bool ReadToken(std::string_view& token, const char* delimiters) {
        const std::string_view ahead = text_.substr(at_, kMaxToken + 1);
        const std::size_t length = ahead.find_first_of(delimiters);
        if (length == std::string_view::npos) {
            if (ahead.size() > kMaxToken) Broken("a word or number runs on too long");
            Short(text_.size() + 1);
            return false;
        }
        token = ahead.substr(0, length);
        at_ += length;
        return true;
    }

    bool ReadWord(std::string_view& word) {
        if (!ReadToken(word, " \n")) return false;
        if (word.empty()) Broken("a message must start with a word");
        for (char c : word) {
            if (!IsWordChar(c)) Broken("a word holds a character it may not");
        }
        return true;
    }

    bool ReadField(Piece& piece) {
        std::string_view token;
        if (!ReadToken(token, " \n:")) return false;
        if (text_[at_] == ':') {
            ++at_;
            return ReadBytes(Count(token), piece);
        }
        if (token != "-") piece = {Field::Kind::kNumber, Number(token)};
        return true;
    }

    bool ReadBytes(std::size_t count, Piece& piece) {
        if (at_ + count > kMaxMessageBytes) Broken("a message longer than the bound");
        if (!Available(count)) {
            Short(at_ + count + 1);
            return false;
        }
        piece = {Field::Kind::kBytes, 0, text_.substr(at_, count)};
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
        if (static_cast<std::uint64_t>(count) > kMaxMessageBytes) Broken("a count too large");
        return static_cast<std::size_t>(count);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t needed_ = 0;
    std::vector<Piece> pieces_;
};

}  // namespace

std::string Encode(const Message& message) {
    std::string out = message.word;
    for (const Field& field : message.fields) AppendField(out, field);
    out += '\n';
    return out;
}

void MessageReader::Append(const char* bytes, std::size_t count) {
    // Taken bytes go once they are half the buffer: each byte moves at most once more.
    if (start_ > 0 && start_ >= buffer_.size() / 2) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    buffer_.append(bytes, count);
}

std::optional<Message> MessageReader::Take() {
    const std::string_view waiting = std::string_view(buffer_).substr(start_);
    if (waiting.size() < needed_) return std::nullopt;
    Reader reader(waiting);
    std::optional<Message> message = reader.Read();
    if (!message) {
        if (waiting.size() > kMaxMessageBytes) Broken("a message longer than the bound");
        needed_ = reader.needed();
        return std::nullopt;
    }
    start_ += reader.used();
    needed_ = 0;
    return message;
}

void MessageReader::Clear() {
    buffer_.clear();
    start_ = 0;
    needed_ = 0;
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
