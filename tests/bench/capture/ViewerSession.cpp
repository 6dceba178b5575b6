#include "tests/bench/capture/ViewerSession.h"

#include <new>

#include "tests/bench/capture/CaptureRounds.h"

namespace slotpad::bench {

std::wstring PeerExe() { return e2e::ProgramFolder() + L"\\capture_bench_peer.exe"; }

ViewerSession::ViewerSession() {
    const std::wstring name = L"Local\\SlotPadCaptureBenchViewer" + std::to_wstring(GetCurrentProcessId());
    mapping_.reset(CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ViewerReport),
                                      name.c_str()));
    if (!mapping_) return;
    view_.reset(MapViewOfFile(mapping_.get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ViewerReport)));
    if (!view_) return;
    new (view_.get()) ViewerReport();
    process_ = std::make_unique<e2e::Process>(PeerExe(), L"viewer " + name);
    if (!process_->Started() || !WaitIdleLettingMessagesThrough(*process_, 20000)) return;
    window_ = e2e::FindWindowOf(process_->Id(), kViewerClass, 5000);
}

std::optional<DWORD> ViewerSession::Close() {
    if (!process_) return std::nullopt;
    if (window_) {
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(window_, WM_CLOSE, 0, 0, SMTO_NORMAL, 10000, &ignored);
        window_ = nullptr;
    }
    const auto code = process_->Wait(10000);
    process_.reset();
    return code;
}

ViewerSession::~ViewerSession() { Close(); }

}  // namespace slotpad::bench
