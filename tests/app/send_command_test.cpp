// Send on the in-process toolkit: each fade size, the order of its reads, the
// four separate tests, nested presses, and a line too long to fade.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "form_fixture.h"

namespace hueloom::testing {
namespace {

// Every bar of every column a value of its own, column k's red, green, blue,
// so that a stop or component handed to the wrong place shows in the line.
int BarValue(int bar) {
    const int column = bar / 3 + 1;
    const int values[] = {20 * column, 250 - 20 * column, 7 * column + 2};
    return values[bar % 3];
}

void SetColumns(FormFixture& f) {
    for (int bar = 0; bar < 30; ++bar) f.Bar(BarName(bar)).Move(BarValue(bar));
    f.controls.log().clear();
}

// Long enough that every part of every fade has two characters or more, so
// each one shows the colour it starts from.
constexpr std::u16string_view kLine = u"abcdefghijklmnopqr";

// The markup of kLine over the first `columns` stops as SetColumns sets them:
// three stops split it 9 + 9, four 6 + 6 + 6, five 5 + 5 + 4 + 4, ten 2 each.
std::string FadedBy(int columns) {
    const std::map<int, std::vector<std::string>> colours = {
        {3, {"16E40A", "18E20B", "1BDF0B", "1DDD0C", "1FDB0D", "21D90E", "24D60E", "26D40F",
             "28D210", "2AD011", "2CCE12", "2FCB12", "31C913", "33C714", "35C515", "38C215",
             "3AC016", "3CBE17"}},
        {4, {"17E30A", "1BDF0B", "1EDC0C", "21D90E", "25D50F", "28D210", "2BCF11", "2FCB12",
             "32C814", "35C515", "39C116", "3CBE17", "3FBB18", "43B719", "46B41A", "49B11C",
             "4DAD1D", "50AA1E"}},
        {5, {"18E20A", "1CDE0C", "20DA0D", "24D60F", "28D210", "2CCE11", "30CA13", "34C614",
             "38C216", "3CBE17", "41B919", "46B41A", "4BAF1C", "50AA1E", "55A520", "5AA022",
             "5F9B23", "649625"}},
        {10, {"1EDC0C", "28D210", "32C814", "3CBE17", "46B41A", "50AA1E", "5AA022", "649625",
              "6E8C28", "78822C", "827830", "8C6E33", "966436", "A05A3A", "AA503E", "B44641",
              "BE3C44", "C83248"}},
    };
    std::string markup;
    for (std::size_t k = 0; k < kLine.size(); ++k) {
        markup += "<Font Color=#" + colours.at(columns)[k] + ">" + static_cast<char>(kLine[k]);
    }
    return markup;
}

std::string EnabledSwatches(FormFixture& f) {
    std::string flags;
    for (std::size_t k = 0; k < kColumnCount; ++k)
        flags += f.Box(SwatchName(k)).enabled() ? '1' : '0';
    return flags;
}

struct SizeCase {
    const char* option;
    int columns;
    const char* enabledAfter;
};

class SendPerFadeSize : public ::testing::TestWithParam<SizeCase> {};

// Options tested afresh, swatches disabled, bars read in order, then the text.
TEST_P(SendPerFadeSize, FadesOverTheSelectedColumnsAndSendsOnce) {
    const SizeCase c = GetParam();
    FormFixture f;
    SetColumns(f);
    f.controls.Select(c.option);
    f.Text1().SetText(std::u16string(kLine));
    f.controls.log().clear();
    f.Click();

    ControlLog expected;
    for (const auto& [option, columns] : {std::pair{"fade10", 10}, std::pair{"fade5", 5},
                                          std::pair{"fade4", 4}, std::pair{"fade3", 3}}) {
        expected.push_back(std::string(option) + ".Value");
        if (columns != c.columns) continue;
        for (int k = 10; k > columns; --k) {
            expected.push_back(SwatchName(k - 1) + ".Enabled=False");
        }
        for (int bar = 0; bar < 3 * columns; ++bar) {
            expected.push_back(BarName(bar) + ".Value");
        }
        expected.push_back("Text1.Text");
    }
    EXPECT_EQ(f.controls.log(), expected);
    EXPECT_EQ(f.Messages(), f.NineMessages(FadedBy(c.columns)));
    EXPECT_EQ(EnabledSwatches(f), c.enabledAfter);
    EXPECT_EQ(f.Text1().text(), kLine);  // kept for the next Send

    // Disabled swatches stay disabled after a ten-colour Send.
    f.controls.Select("fade10");
    f.Click();
    EXPECT_EQ(EnabledSwatches(f), c.enabledAfter);
    EXPECT_EQ(f.LinesSent().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SendPerFadeSize,
                         ::testing::Values(SizeCase{"fade10", 10, "1111111111"},
                                           SizeCase{"fade5", 5, "1111100000"},
                                           SizeCase{"fade4", 4, "1111000000"},
                                           SizeCase{"fade3", 3, "1110000000"}));

// Four separate tests in the order fade10, fade5, fade4, fade3: with the
// group's exclusivity lifted, every selected option sends its own line.
TEST(Send, RunsOneBlockPerSelectedOptionInTheirFixedOrder) {
    const struct {
        std::vector<std::string> selected;
        std::vector<int> sentColumns;
        const char* enabledAfter;
    } cases[] = {{{}, {}, "1111111111"},
                 {{"fade3", "fade4", "fade5", "fade10"}, {10, 5, 4, 3}, "1110000000"},
                 {{"fade3", "fade10"}, {10, 3}, "1110000000"}};
    for (const auto& c : cases) {
        FormFixture f;
        SetColumns(f);
        for (const char* option : {"fade3", "fade4", "fade5", "fade10"}) {
            f.controls.optionButton(option).SetValue(
                std::find(c.selected.begin(), c.selected.end(), option) != c.selected.end());
        }
        f.Text1().SetText(std::u16string(kLine));
        f.Click();
        std::vector<std::string> expected;
        for (int columns : c.sentColumns) expected.push_back(FadedBy(columns));
        EXPECT_EQ(f.LinesSent(), expected) << c.enabledAfter;
        EXPECT_EQ(EnabledSwatches(f), c.enabledAfter);
    }
}

// An empty line is still faded and sent: one empty line into the chat.
TEST(Send, AnEmptyLineIsSentEmpty) {
    FormFixture f;
    f.Click();
    EXPECT_EQ(f.Messages(), f.NineMessages(""));
}

// A Send pressed during Send's yield runs whole inside it; then the outer one
// finishes. Switching to fade3 meanwhile adds a three-colour line after it.
TEST(Send, WhatHappensDuringAYieldRunsNestedAndTheOuterSendCompletes) {
    FormFixture f;
    f.Text1().SetText(u"Hello");
    bool clicked = false;
    f.toolkit.pendingEvent = [&] {
        if (!std::exchange(clicked, true)) f.Click();
    };
    f.Click();
    const std::string line = Ansi(FadeTen(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                          0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, u"Hello", false));
    std::vector<Message> expected = f.NineMessages(line);
    const std::vector<Message> again = f.NineMessages(line);
    expected.insert(expected.end(), again.begin(), again.end());
    EXPECT_EQ(f.Messages(), expected);

    FormFixture g;
    SetColumns(g);
    g.Text1().SetText(std::u16string(kLine));
    g.toolkit.calls = 0;
    g.toolkit.pendingEvent = [&] {
        if (g.toolkit.calls == 1) g.controls.Select("fade3");
    };
    g.Click();
    EXPECT_EQ(g.LinesSent(), (std::vector<std::string>{FadedBy(10), FadedBy(3)}));
    EXPECT_EQ(EnabledSwatches(g), "1110000000");
}

// A line over 32767 characters is kept, nothing is sent, the preview strip
// says why, and the window goes on working.
TEST(Send, ALineTooLongToFadeIsRefusedAndTheUserIsTold) {
    FormFixture f;
    f.Text1().SetText(std::u16string(40000, u'x'));
    f.Box("Picture1").surface().ops.clear();
    f.Click();
    EXPECT_TRUE(f.LinesSent().empty());
    EXPECT_EQ(f.Text1().text().size(), 40000u);
    EXPECT_EQ(PrintedText(f.Box("Picture1").surface().ops),
              "Not sent: this line has 40,000 characters."
              "The longest line that can be faded has 32,767.");

    f.Text1().SetText(std::u16string(32767, u'x'));
    f.Click();
    ASSERT_EQ(f.LinesSent().size(), 1u);
    EXPECT_EQ(f.LinesSent()[0].size(), 32767u * 21);
}

}  // namespace
}  // namespace hueloom::testing
