// The formats of chats that read codes inside the text: IRC, Minecraft, and /tellraw's JSON.
#include "cli/chat_formats.h"

#include <string_view>

#include "cli/irc_colours.h"
#include "cli/utf8.h"
#include "cli/write_pieces.h"

namespace hueloom::cli {
namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr std::string_view kSection = "\xC2\xA7";  // "§", Minecraft's mark of a code

enum class Chat { kIrc, kMinecraft };

bool IsSectionAt(std::string_view bytes, std::size_t k) {
    return bytes.substr(k).starts_with(kSection);
}

// U+0080..U+009F are C2 80..C2 9F.
bool IsC1At(std::string_view bytes, std::size_t k) {
    return k + 1 < bytes.size() && static_cast<unsigned char>(bytes[k]) == 0xC2 &&
           static_cast<unsigned char>(bytes[k + 1]) < 0xA0;
}

// The cluster with what chat would take as a code shown instead (see the header).
char* PutShown(char* out, std::string_view cluster, Chat chat) {
    for (std::size_t k = 0; k < cluster.size(); ++k) {
        const auto byte = static_cast<unsigned char>(cluster[k]);
        if ((byte < 0x20 && !(byte == '\t' && chat == Chat::kIrc)) || byte == 0x7F) {
            out = WriteCodePoint(out, byte == 0x7F ? 0x2421 : 0x2400 + byte);
        } else if (IsC1At(cluster, k) || (chat == Chat::kMinecraft && IsSectionAt(cluster, k))) {
            out = WriteCodePoint(out, kReplacement);
            ++k;
        } else {
            *out++ = static_cast<char>(byte);
        }
    }
    return out;
}

// A comma right after a colour code would begin a background's number: bold
// set and cleared in between keeps it text.
char* PutIrcCluster(char* out, std::string_view cluster) {
    if (cluster.front() == ',') out = Put(out, "\x02\x02");
    return PutShown(out, cluster, Chat::kIrc);
}

char* EndIrcLine(char* out, const FadedLine& line) {
    if (!line.colours.empty()) out = Put(out, '\x0F');  // the colour stops with the line
    return Put(out, '\n');
}

char* WriteMinecraftCodes(char* out, const FadedLine& line, std::string_view mark) {
    out = ForEachCluster(out, line, [mark](char* at, Rgb colour, auto cluster) {
        char hex[6];
        PutHex(hex, colour, kUpperHex);
        at = Put(Put(at, mark), 'x');
        for (const char digit : hex) at = Put(Put(at, mark), digit);
        return PutShown(at, BytesOf(cluster), Chat::kMinecraft);
    });
    return Put(out, '\n');
}

std::string_view JsonEscape(unsigned char byte) {
    switch (byte) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            return {};
    }
}

// A JSON string's content: quotes, backslashes and control characters escaped.
char* PutJsonText(char* out, std::string_view cluster) {
    for (std::size_t k = 0; k < cluster.size(); ++k) {
        const auto byte = static_cast<unsigned char>(cluster[k]);
        if (const std::string_view escape = JsonEscape(byte); !escape.empty()) {
            out = Put(out, escape);
        } else if (byte < 0x20) {
            out = Put(Put(out, "\\u00"), std::string_view(kUpperHex[byte].data(), 2));
        } else if (IsSectionAt(cluster, k)) {
            out = WriteCodePoint(out, kReplacement);
            ++k;
        } else {
            *out++ = static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace

char* WriteIrc(char* out, const FadedLine& line, ColourSpace space) {
    out = ForEachCluster(out, line, [space](char* at, Rgb colour, auto cluster) {
        const int number = NearestIrcColour(colour, space);
        at = Put(Put(Put(at, '\x03'), static_cast<char>('0' + number / 10)),
                 static_cast<char>('0' + number % 10));
        return PutIrcCluster(at, BytesOf(cluster));
    });
    return EndIrcLine(out, line);
}

char* WriteIrcHex(char* out, const FadedLine& line) {
    out = ForEachCluster(out, line, [](char* at, Rgb colour, auto cluster) {
        return PutIrcCluster(PutHex(Put(at, '\x04'), colour, kUpperHex), BytesOf(cluster));
    });
    return EndIrcLine(out, line);
}

char* WriteMinecraft(char* out, const FadedLine& line) {
    return WriteMinecraftCodes(out, line, kSection);
}

char* WriteMinecraftAmp(char* out, const FadedLine& line) {
    return WriteMinecraftCodes(out, line, "&");
}

char* WriteTellraw(char* out, const FadedLine& line) {
    if (line.colours.empty()) return Put(out, "[\"\"]\n");  // an empty array is no component
    out = Put(out, '[');
    out = ForEachCluster(out, line, [first = true](char* at, Rgb colour, auto cluster) mutable {
        if (!first) at = Put(at, ',');
        first = false;
        at = PutJsonText(Put(at, "{\"text\":\""), BytesOf(cluster));
        return Put(PutHex(Put(at, "\",\"color\":\"#"), colour, kUpperHex), "\"}");
    });
    return Put(out, "]\n");
}

}  // namespace hueloom::cli
