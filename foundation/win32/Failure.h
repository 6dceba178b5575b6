#pragma once
// Failures of Win32 and COM calls as exceptions that name the call, and the barrier that
// stops every exception at a window procedure or a COM method: nothing may unwind through
// user32 or a caller's COM frame.

#include <windows.h>

#include <new>
#include <stdexcept>
#include <string>

namespace foundation {

class Win32Failure : public std::runtime_error {
public:
    Win32Failure(const char* call, HRESULT code);
    HRESULT code() const { return code_; }

private:
    HRESULT code_;
};

// "CreateWindowExW failed: 0x80070057 The parameter is incorrect."
std::string FailureMessage(const char* call, HRESULT code);

// Throws Win32Failure naming `call` when `hr` is a failure.
inline void CheckHr(HRESULT hr, const char* call) {
    if (FAILED(hr)) throw Win32Failure(call, hr);
}
// Throws Win32Failure naming `call`, with GetLastError's code, when `result` is null or false.
template <typename T>
T CheckLastError(T result, const char* call) {
    if (!result) throw Win32Failure(call, HRESULT_FROM_WIN32(GetLastError()));
    return result;
}

// Where a failure stopped at a window procedure goes: SlotPad shows it to the user; the
// default only records it (for the debugger and the tests).
using FailureReporter = void (*)(const std::string& message);
void SetFailureReporter(FailureReporter reporter);
void ReportFailure(const std::string& message) noexcept;
// The last message reported, for the tests.
std::string LastReportedFailure();

// Runs `body`; an exception becomes the HRESULT a COM caller understands.
template <typename Body>
HRESULT ComBarrier(Body&& body) noexcept {
    try {
        return body();
    } catch (const Win32Failure& failure) {
        return failure.code();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// Runs `body`; an exception is reported and `onFailure` returned to user32.
template <typename Body>
LRESULT WindowBarrier(const char* where, Body&& body, LRESULT onFailure) noexcept {
    try {
        return body();
    } catch (const std::exception& failure) {
        ReportFailure(std::string(where) + ": " + failure.what());
    } catch (...) {
        ReportFailure(std::string(where) + ": an unknown exception");
    }
    return onFailure;
}

}  // namespace foundation
