#include "slotpad/main/PrintSlot.h"

#include <vector>

namespace slotpad {

namespace {

// CR LF, LF and CR each end a line; a text ending in a break ends with an empty line,
// as the line end printed after it leaves one.
std::vector<std::string_view> Text_Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

std::optional<PrintError> Print_Text(PrintJob& job, const FontSpec& font, std::string_view text) {
    if (auto failed = job.SetFont(Printer_Font(font))) return failed;
    for (std::string_view line : Text_Lines(text))
        if (auto failed = job.PrintLine(line)) return failed;
    return std::nullopt;
}

std::string Failure_Message(const PrintError& error) {
    std::string message = "The slot could not be printed";
    if (!error.Printer.empty()) message += " on \"" + error.Printer + "\"";
    return message + ": " + error.Reason + ".";
}

}  // namespace

PrinterFont Printer_Font(const FontSpec& font) {
    return {font.Name, font.Size, font.Bold != VB_FALSE, font.Italic != VB_FALSE, font.Underline != VB_FALSE};
}

std::optional<std::string> Print_Slot(DefaultPrinter& printer, SlotRecord slot, const Settings& settings,
                                      std::string_view jobName) {
    PrintJobStart start = printer.StartJob(jobName);
    if (!start.Job) return Failure_Message(start.Error);
    PrintJob& job = *start.Job;

    std::optional<PrintError> failed;
    if (settings.PrintDesc != VB_FALSE) {
        failed = Print_Text(job, settings.DescFont, slot.Description);
        if (!failed) failed = job.PrintLine({});
    }
    if (!failed) failed = Print_Text(job, settings.TextFont, slot.Text);
    if (!failed) failed = job.End();
    if (failed) return Failure_Message(*failed);
    return std::nullopt;
}

}  // namespace slotpad
