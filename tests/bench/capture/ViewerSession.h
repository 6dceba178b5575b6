#pragma once
// The minimal viewer running in a process of its own, with the shared block it reports in.

#include <memory>
#include <string>

#include "win32/Handles.h"
#include "tests/bench/capture/ViewerReport.h"
#include "tests/support/win32/Desktop.h"

namespace slotpad::bench {

class ViewerSession {
public:
    // Starts the viewer, which joins the chain in front of whatever is there.
    ViewerSession();
    // Closes the viewer's window and waits for it to leave the chain and end.
    ~ViewerSession();
    ViewerSession(const ViewerSession&) = delete;
    ViewerSession& operator=(const ViewerSession&) = delete;

    // The viewer's window once it has joined the chain; nullptr if it did not start.
    HWND Window() const { return window_; }
    const ViewerReport& Report() const { return *static_cast<const ViewerReport*>(view_.get()); }
    // Closes the window; the viewer's exit code, or nullopt if it did not end.
    std::optional<DWORD> Close();

private:
    foundation::UniqueHandle mapping_;
    foundation::UniqueView view_;
    std::unique_ptr<e2e::Process> process_;
    HWND window_ = nullptr;
};

// The benchmark's GUI peer program, beside this one.
std::wstring PeerExe();

}  // namespace slotpad::bench
