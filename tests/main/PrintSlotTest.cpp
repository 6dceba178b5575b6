#include "slotpad/main/PrintSlot.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/RecordingPrinter.h"

namespace slotpad {
namespace {

using testing::RecordingPrinter;
using Events = std::vector<std::string>;

Settings PrintSettings(int16_t printDesc) {
    Settings s;
    s.PrintDesc = printDesc;
    s.DescFont = {"Times New Roman", 14.0f, VB_TRUE, VB_FALSE, VB_FALSE};
    s.TextFont = {"Courier New", 10.5f, VB_FALSE, VB_TRUE, VB_TRUE};
    return s;
}

SlotRecord Slot(std::string text, std::string description) { return {VB_FALSE, std::move(text), std::move(description)}; }

const std::string DESC_FONT = "font \"Times New Roman\" 14 bold";
const std::string TEXT_FONT = "font \"Courier New\" 10.5 italic underline";

struct LineCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }

class TextLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(TextLines, EachBreakEndsOneLine) {
    RecordingPrinter printer;
    EXPECT_EQ(Print_Slot(printer, Slot(GetParam().text, "ignored"), PrintSettings(VB_FALSE), "SlotPad"),
              std::nullopt);
    Events expected{"start SlotPad", TEXT_FONT};
    for (const auto& line : GetParam().lines) expected.push_back("line " + line);
    expected.push_back("end");
    EXPECT_EQ(printer.events, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, TextLines,
    ::testing::Values(LineCase{"Empty", "", {""}}, LineCase{"NoBreak", "abc def", {"abc def"}},
                      LineCase{"CrLf", "one\r\ntwo", {"one", "two"}}, LineCase{"Lf", "one\ntwo", {"one", "two"}},
                      LineCase{"Cr", "one\rtwo", {"one", "two"}},
                      LineCase{"Mixed", "1\r\n2\n3\r4", {"1", "2", "3", "4"}},
                      LineCase{"TrailingCrLf", "one\r\n", {"one", ""}}, LineCase{"TrailingCr", "one\r", {"one", ""}},
                      LineCase{"TrailingLf", "one\n", {"one", ""}}, LineCase{"OnlyCrLf", "\r\n", {"", ""}},
                      LineCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
                      LineCase{"CrCrLfIsTwoBreaks", "a\r\r\nb", {"a", "", "b"}},
                      LineCase{"BlankLineBetween", "a\r\n\r\nb", {"a", "", "b"}},
                      LineCase{"LeadingBreak", "\nb", {"", "b"}},
                      LineCase{"TabsAndHighBytesKept", "a\tb\xe9\xff", {"a\tb\xe9\xff"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintSlot, DescriptionAndAnEmptyLineComeBeforeTheTextInTheirOwnFont) {
    RecordingPrinter printer;
    EXPECT_EQ(Print_Slot(printer, Slot("first\r\nsecond", "Shopping"), PrintSettings(VB_TRUE), "SlotPad"), std::nullopt);
    EXPECT_EQ(printer.events, (Events{"start SlotPad", DESC_FONT, "line Shopping", "line ", TEXT_FONT, "line first",
                                      "line second", "end"}));
}

TEST(PrintSlot, EmptyDescriptionGivesTwoEmptyLinesInTheDescriptionFont) {
    RecordingPrinter printer;
    EXPECT_EQ(Print_Slot(printer, Slot("text", ""), PrintSettings(VB_TRUE), "SlotPad"), std::nullopt);
    EXPECT_EQ(printer.events, (Events{"start SlotPad", DESC_FONT, "line ", "line ", TEXT_FONT, "line text", "end"}));
}

TEST(PrintSlot, DescriptionWithBreaksIsSplitLikeTheText) {
    RecordingPrinter printer;
    EXPECT_EQ(Print_Slot(printer, Slot("t", "d1\rd2"), PrintSettings(VB_TRUE), "SlotPad"), std::nullopt);
    EXPECT_EQ(printer.events,
              (Events{"start SlotPad", DESC_FONT, "line d1", "line d2", "line ", TEXT_FONT, "line t", "end"}));
}

TEST(PrintSlot, AnyNonZeroFlagCountsAsTrue) {
    // A file written by another tool may hold 1 instead of -1.
    Settings s = PrintSettings(1);
    s.DescFont = {"Arial", 9.0f, 1, 1, 1};
    s.TextFont = {"Arial", 8.0f, VB_FALSE, VB_FALSE, VB_FALSE};
    RecordingPrinter printer;
    EXPECT_EQ(Print_Slot(printer, Slot("t", "d"), s, "SlotPad"), std::nullopt);
    EXPECT_EQ(printer.events, (Events{"start SlotPad", "font \"Arial\" 9 bold italic underline", "line d", "line ",
                                      "font \"Arial\" 8", "line t", "end"}));
}

TEST(PrintSlot, FontTakesEveryFieldOfItsSpec) {
    EXPECT_EQ(Printer_Font({"Lucida Console", 7.25f, VB_FALSE, VB_TRUE, VB_FALSE}),
              (PrinterFont{"Lucida Console", 7.25f, false, true, false}));
    EXPECT_EQ(Printer_Font({"Arial", 12.0f, VB_TRUE, VB_FALSE, VB_TRUE}), (PrinterFont{"Arial", 12.0f, true, false, true}));
}

TEST(PrintSlotFailure, NoDefaultPrinterSaysSoAndPrintsNothing) {
    RecordingPrinter printer;
    printer.refuseStart = PrintError{"", "there is no default printer"};
    EXPECT_EQ(Print_Slot(printer, Slot("t", "d"), PrintSettings(VB_TRUE), "SlotPad"),
              "The slot could not be printed: there is no default printer.");
    EXPECT_EQ(printer.events, (Events{"start SlotPad"}));
}

TEST(PrintSlotFailure, JobThatCannotStartNamesThePrinter) {
    RecordingPrinter printer;
    printer.refuseStart = PrintError{"Office Laser", "the print job could not be started (error 1804)"};
    EXPECT_EQ(Print_Slot(printer, Slot("t", "d"), PrintSettings(VB_TRUE), "SlotPad"),
              "The slot could not be printed on \"Office Laser\": the print job could not be started (error 1804).");
}

// With PrintDesc on, the calls are: 0 desc font, 1 desc line, 2 empty line, 3 text font,
// 4 and 5 text lines, 6 end. Whichever fails, the job stops there and is abandoned.
TEST(PrintSlotFailure, AFailingStepAbandonsTheJobThere) {
    const Events all{DESC_FONT, "line d", "line ", TEXT_FONT, "line t1", "line t2", "end"};
    for (int failing = 0; failing < static_cast<int>(all.size()); ++failing) {
        SCOPED_TRACE(failing);
        RecordingPrinter printer;
        printer.failingCall = failing;
        EXPECT_EQ(Print_Slot(printer, Slot("t1\nt2", "d"), PrintSettings(VB_TRUE), "SlotPad"),
                  "The slot could not be printed on \"Fake Printer\": the printer went away.");
        Events expected{"start SlotPad"};
        expected.insert(expected.end(), all.begin(), all.begin() + failing + 1);
        expected.push_back("abandon");
        EXPECT_EQ(printer.events, expected);
    }
}

}  // namespace
}  // namespace slotpad
