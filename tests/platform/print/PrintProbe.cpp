// Prints slots on the default printer through the program's own print procedure and the
// Win32 printer, for print_test.py to read back from the PDF printer it set up.
//   print_probe print       three jobs, in this order: order, pages, empty-description
//   print_probe no-printer  one job that must not start; prints the message instead
// Prints one line per job: "printed NAME" or "message NAME: TEXT".

#include <cstdio>
#include <cstring>
#include <string>

#include "slotpad/main/PrintSlot.h"
#include "slotpad/platform/win32/Win32DefaultPrinter.h"

namespace {

using namespace slotpad;

// What print_test.py knows too: the fonts are those it looks for in the PDF.
Settings OrderSettings() {
    Settings s;
    s.PrintDesc = VB_TRUE;
    s.DescFont = {"Times New Roman", 14.0f, VB_TRUE, VB_FALSE, VB_FALSE};
    s.TextFont = {"Courier New", 11.0f, VB_FALSE, VB_TRUE, VB_FALSE};
    return s;
}

bool Print(DefaultPrinter& printer, const char* name, const SlotRecord& slot, const Settings& settings) {
    const auto message = Print_Slot(printer, slot, settings, "SlotPad");
    if (message)
        std::printf("message %s: %s\n", name, message->c_str());
    else
        std::printf("printed %s\n", name);
    std::fflush(stdout);
    return !message;
}

std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%sline%03d", i > 1 ? "\r\n" : "", i);
        text += line;
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    win32::Win32DefaultPrinter printer;
    if (mode == "no-printer") return Print(printer, "refused", {VB_FALSE, "text", "desc"}, OrderSettings()) ? 1 : 0;
    if (mode != "print") {
        std::fprintf(stderr, "usage: print_probe print|no-printer\n");
        return 2;
    }

    bool all = Print(printer, "order",
                     {VB_FALSE, "alpha one\r\nbravo two\ncharlie three\rdelta four", "Shopping list"},
                     OrderSettings());

    Settings pages;
    pages.PrintDesc = VB_FALSE;
    pages.TextFont = {"Courier New", 12.0f, VB_FALSE, VB_FALSE, VB_FALSE};
    all = Print(printer, "pages", {VB_FALSE, NumberedLines(150), "not printed"}, pages) && all;

    all = Print(printer, "empty-description", {VB_FALSE, "echo five", ""}, OrderSettings()) && all;
    return all ? 0 : 1;
}
