// The bridge's wire: messages survive the trip whole, and bytes that make no
// message are refused rather than misread.
#include "winelink/bridge_protocol.h"

#include <gtest/gtest.h>

namespace hueloom::bridge {
namespace {

TEST(BridgeProtocol, MessagesComeBackWholeWhateverTheirTextHolds) {
    const std::string everyAwkwardByte(
        "a b\nc\r\nd\x1A"
        "e\0f 3:x -",
        18);
    const Message messages[] = {
        {"find", {Field::Text("aol frame25"), Field::None()}},
        {"send",
         {Field::Number(65580), Field::Number(12), Field::Number(0),
          Field::Bytes(everyAwkwardByte)}},
        {"send",
         {Field::Number(0), Field::Number(258), Field::Number(-1), Field::Number(INT64_MIN)}},
        {"ok", {Field::Bytes("")}},
        Greeting(),
    };
    std::string stream;
    for (const Message& message : messages) stream += Encode(message);
    // Arriving a byte at a time, each message is whole once its last byte is in.
    MessageReader reader;
    std::vector<Message> taken;
    for (char byte : stream) {
        reader.Append(&byte, 1);
        while (std::optional<Message> message = reader.Take()) taken.push_back(*message);
    }
    EXPECT_EQ(taken, std::vector<Message>(std::begin(messages), std::end(messages)));
    EXPECT_EQ(reader.waiting(), 0u);
    EXPECT_EQ(Encode(messages[0]), "find 11:aol frame25 -\n");
}

TEST(BridgeProtocol, BytesThatMakeNoMessageAreRefused) {
    const char* broken[] = {
        "\n",                              // no word
        "Find 1\n",                        // a word of other characters
        "find 2:abc\n",                    // bytes run past their count
        "find x1\n",                       // not a number
        "find  1\n",                       // an empty field
        "find 99999999999999999999\n",     // too large for a number
        "find -5:abcde\n",                 // a count below zero
        "find 99999999999:",               // a count past the limit
        "ok 4194305:",                     // a field past the bound of a message
        "ok 1 2 3 4 5 6 7 8 9",            // more fields than any message has
        "find 1234567890123456789012345",  // runs on without a space
        "ok 1x\n",
    };
    for (const char* bytes : broken) {
        MessageReader reader;
        reader.Append(bytes);
        EXPECT_THROW(reader.Take(), ProtocolError) << bytes;
    }
    // Cut short, a message is only not there yet.
    for (const std::string_view part : {"fin", "find 11:aol fr", "find 11:aol frame25 -", "ok 12"}) {
        MessageReader reader;
        reader.Append(part);
        EXPECT_FALSE(reader.Take()) << part;
        EXPECT_EQ(reader.waiting(), part.size());
    }
}

TEST(BridgeProtocol, GreetingNamesTheVersion) {
    EXPECT_EQ(Encode(Greeting()), "hueloom-wine-bridge 2\n");
    EXPECT_NO_THROW(CheckGreeting(Greeting()));
    EXPECT_THROW(CheckGreeting({"hueloom-wine-bridge", {Field::Number(1)}}), ProtocolError);
    EXPECT_THROW(CheckGreeting({"ok", {Field::Number(1)}}), ProtocolError);
}

TEST(BridgeProtocol, Utf16TextKeepsEveryCodeUnit) {
    const std::u16string text{u'a', u'\0', 0xD800, u'\u20AC', 0xDFFF, 0xFFFF};
    EXPECT_EQ(Utf16FromBytes(Utf16Bytes(text)), text);
    EXPECT_EQ(Utf16Bytes(u"\u20AC"), std::string("\xAC\x20", 2));
    EXPECT_THROW(Utf16FromBytes("abc"), ProtocolError);
}

}  // namespace
}  // namespace hueloom::bridge
