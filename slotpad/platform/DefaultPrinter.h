#pragma once
// The default printer: one job at a time, written line under line from the top-left
// corner of the page in the font last set, with a new page when a line would not fit.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace slotpad {

struct PrinterFont {
    std::string Face;  // ANSI
    float Points = 0;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;

    friend bool operator==(const PrinterFont&, const PrinterFont&) = default;
};

// Why a job did not reach the printer, in words fit for the user.
struct PrintError {
    std::string Printer;  // UTF-8; empty when there is no default printer
    std::string Reason;   // UTF-8, lower case, without a final full stop

    friend bool operator==(const PrintError&, const PrintError&) = default;
};

// A started job. Dropping it before End abandons it: nothing of it is printed. After a
// failure the job is not fit for more calls; drop it.
class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual std::optional<PrintError> SetFont(const PrinterFont& font) = 0;
    // Prints one line of ANSI text that holds no line break; empty prints an empty line.
    virtual std::optional<PrintError> PrintLine(std::string_view ansiLine) = 0;
    // Ends the document, which sends the job to the printer.
    virtual std::optional<PrintError> End() = 0;
};

struct PrintJobStart {
    std::unique_ptr<PrintJob> Job;  // null when the job could not start
    PrintError Error;               // why, when Job is null
};

class DefaultPrinter {
public:
    virtual ~DefaultPrinter() = default;
    // Starts a job called `documentName` (UTF-8) on the default printer.
    virtual PrintJobStart StartJob(std::string_view documentName) = 0;
};

}  // namespace slotpad
