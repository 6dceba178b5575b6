#include "win32/Failure.h"

#include <cstdio>
#include <mutex>

namespace foundation {

namespace {

std::mutex& ReportLock() {
    static std::mutex lock;
    return lock;
}
FailureReporter reporter = nullptr;
std::string lastReported;

std::string SystemText(HRESULT code) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        static_cast<DWORD>(code), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result(text ? text : "", length);
    if (text) LocalFree(text);
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    return result;
}

}  // namespace

std::string FailureMessage(const char* call, HRESULT code) {
    char number[16];
    std::snprintf(number, sizeof(number), "0x%08lX", static_cast<unsigned long>(code));
    std::string message = std::string(call) + " failed: " + number;
    const std::string text = SystemText(code);
    if (!text.empty()) message += " " + text;
    return message;
}

Win32Failure::Win32Failure(const char* call, HRESULT code)
    : std::runtime_error(FailureMessage(call, code)), code_(code) {}

void SetFailureReporter(FailureReporter newReporter) {
    const std::lock_guard<std::mutex> hold(ReportLock());
    reporter = newReporter;
}

void ReportFailure(const std::string& message) noexcept {
    try {
        FailureReporter report = nullptr;
        {
            const std::lock_guard<std::mutex> hold(ReportLock());
            lastReported = message;
            report = reporter;
        }
        OutputDebugStringA((message + "\n").c_str());
        if (report) report(message);
    } catch (...) {
        // Nothing is left to tell about a failure to report a failure.
    }
}

std::string LastReportedFailure() {
    const std::lock_guard<std::mutex> hold(ReportLock());
    return lastReported;
}

}  // namespace foundation
