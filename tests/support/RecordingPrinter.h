#pragma once
// A default printer that writes down what a job asks of it, one event per call:
//   start NAME | font "FACE" SIZE [bold] [italic] [underline] | line TEXT | end | abandon
// It can refuse to start, or fail the n-th call of the job.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "slotpad/platform/DefaultPrinter.h"

namespace slotpad::testing {

class RecordingPrinter : public DefaultPrinter {
public:
    std::vector<std::string> events;
    std::optional<PrintError> refuseStart;
    // Which call of the job (SetFont, PrintLine and End counted together from 0) fails,
    // and how.
    int failingCall = -1;
    PrintError failure{"Fake Printer", "the printer went away"};

    PrintJobStart StartJob(std::string_view documentName) override {
        events.push_back("start " + std::string(documentName));
        if (refuseStart) return {nullptr, *refuseStart};
        return {std::make_unique<Job>(*this), {}};
    }

    static std::string Describe(const PrinterFont& font) {
        char size[32];
        std::snprintf(size, sizeof size, "%g", font.Points);
        std::string text = "font \"" + font.Face + "\" " + size;
        if (font.Bold) text += " bold";
        if (font.Italic) text += " italic";
        if (font.Underline) text += " underline";
        return text;
    }

private:
    class Job : public PrintJob {
    public:
        explicit Job(RecordingPrinter& printer) : printer_(printer) {}
        ~Job() override {
            if (!ended_) printer_.events.push_back("abandon");
        }
        std::optional<PrintError> SetFont(const PrinterFont& font) override { return Record(Describe(font)); }
        std::optional<PrintError> PrintLine(std::string_view line) override {
            return Record("line " + std::string(line));
        }
        std::optional<PrintError> End() override {
            auto failed = Record("end");
            ended_ = !failed;
            return failed;
        }

    private:
        std::optional<PrintError> Record(std::string event) {
            printer_.events.push_back(std::move(event));
            if (calls_++ == printer_.failingCall) return printer_.failure;
            return std::nullopt;
        }
        RecordingPrinter& printer_;
        int calls_ = 0;
        bool ended_ = false;
    };
};

}  // namespace slotpad::testing
