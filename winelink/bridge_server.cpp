// The bridge's side of each request.
#include "winelink/bridge_server.h"

#include <limits>
#include <string>
#include <vector>

namespace hueloom::bridge {
namespace {

using Kind = Field::Kind;

class Refused {
  public:
    explicit Refused(std::string why) : why(std::move(why)) {}
    std::string why;
};

// The request's fields, checked one by one as they are read.
class Fields {
  public:
    Fields(const Message& request, std::size_t count) : request_(request) {
        if (request.fields.size() != count) {
            throw Refused(request.word + " takes " + std::to_string(count) + " fields");
        }
    }

    std::int64_t Number(std::size_t at, std::int64_t low, std::int64_t high) const {
        const Field& field = request_.fields[at];
        if (field.kind != Kind::kNumber || field.number < low || field.number > high) {
            throw Refused(request_.word + ": field " + std::to_string(at + 1) +
                          " is no number in range");
        }
        return field.number;
    }
    Hwnd Window(std::size_t at) const {
        return static_cast<Hwnd>(Number(at, 0, std::numeric_limits<Hwnd>::max()));
    }
    // A class name or title: bytes without a NUL, or none.
    const char* Text(std::size_t at) const {
        const Field& field = request_.fields[at];
        if (field.kind == Kind::kNone) return nullptr;
        if (field.kind != Kind::kBytes || field.bytes.find('\0') != std::string::npos) {
            throw Refused(request_.word + ": field " + std::to_string(at + 1) + " is no name");
        }
        return field.bytes.c_str();
    }
    const Field& operator[](std::size_t at) const { return request_.fields[at]; }

  private:
    const Message& request_;
};

// The 32-bit program's limits, which the 64-bit one keeps alike.
constexpr std::int64_t kWordMax = std::numeric_limits<std::uint32_t>::max();
constexpr std::int64_t kLongMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kLongMax = std::numeric_limits<std::int32_t>::max();

bool IsChatLinkMessage(std::int64_t message) {
    return message == kWmChar || message == kWmKeyUp || message == kWmLButtonDown;
}

Message Send(WindowSystem& windows, const Fields& fields, const std::function<void()>& handing) {
    const Hwnd window = fields.Window(0);
    const std::int64_t message = fields.Number(1, 0, kWordMax);
    const auto wParam = static_cast<std::uintptr_t>(fields.Number(2, 0, kWordMax));
    if (message == kWmSetText) {
        // The text as bytes (the host reads it up to its NUL), or none for a null pointer.
        const Field& text = fields[3];
        if (text.kind == Kind::kNumber) throw Refused("send: WM_SETTEXT takes its text as bytes");
        const std::intptr_t lParam =
            text.kind == Kind::kBytes ? reinterpret_cast<std::intptr_t>(text.bytes.c_str()) : 0;
        handing();
        return Ok(Field::Number(windows.SendMessageA(window, kWmSetText, wParam, lParam)));
    }
    if (!IsChatLinkMessage(message)) {
        throw Refused("send: message " + std::to_string(message) + " is not served");
    }
    const auto lParam = static_cast<std::intptr_t>(fields.Number(3, kLongMin, kLongMax));
    handing();
    return Ok(Field::Number(
        windows.SendMessageA(window, static_cast<std::uint32_t>(message), wParam, lParam)));
}

Message Answer(WindowSystem& windows, const Message& request,
               const std::function<void()>& handing) {
    if (request.word == "find") {
        const Fields fields(request, 2);
        return Ok(Field::Number(windows.FindWindowA(fields.Text(0), fields.Text(1))));
    }
    if (request.word == "findex") {
        const Fields fields(request, 4);
        return Ok(Field::Number(windows.FindWindowExA(fields.Window(0), fields.Window(1),
                                                      fields.Text(2), fields.Text(3))));
    }
    if (request.word == "send") return Send(windows, Fields(request, 4), handing);
    if (request.word == "ansi") {
        const Fields fields(request, 1);
        if (fields[0].kind != Kind::kBytes) throw Refused("ansi takes its text as bytes");
        return Ok(Field::Bytes(windows.ToAnsiCodePage(Utf16FromBytes(fields[0].bytes))));
    }
    throw Refused("no such request: " + request.word);
}

}  // namespace

Message Serve(WindowSystem& windows, const Message& request, const std::function<void()>& handing) {
    try {
        return Answer(windows, request, handing);
    } catch (const Refused& refused) {
        return Refusal(refused.why);
    } catch (const ProtocolError& error) {
        return Refusal(error.what());
    }
}

int ServeStream(WindowSystem& windows, const ByteStream& stream) {
    if (!stream.write(Encode(Greeting()))) return 1;
    const std::string handingLine = Encode({std::string(kHandingWord)});
    const auto handing = [&] { stream.write(handingLine); };
    MessageReader reader;
    std::vector<char> chunk(std::size_t{1} << 16);
    try {
        while (true) {
            while (std::optional<Message> request = reader.Take()) {
                const Message answer = Serve(windows, *request, handing);
                if (!stream.write(Encode(answer))) return 1;
                if (stream.served) stream.served(*request, answer);
            }
            const std::size_t count = stream.read(chunk.data(), chunk.size());
            if (count == 0) return 0;
            reader.Append(chunk.data(), count);
        }
    } catch (const std::exception& error) {
        // A broken or oversized request, or no memory for one: say why and end.
        stream.write(Encode(Refusal(error.what())));
        return 2;
    }
}

}  // namespace hueloom::bridge
