#include "slotpad/platform/win32/ClipboardReader.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace slotpad::win32 {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 5;

// Whether the clipboard's owner can answer a render request within `waitMs`. Our own
// windows are never asked: their thread is the one waiting for this read.
bool OwnerAnswers(DWORD waitMs) {
    HWND owner = GetClipboardOwner();
    if (!owner) return true;
    DWORD process = 0;
    GetWindowThreadProcessId(owner, &process);
    if (process == GetCurrentProcessId()) return true;
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(owner, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, waitMs, &ignored) != 0;
}

std::optional<std::string> ReadNow(UINT format) {
    bool open = false;
    for (int i = 0; i < kOpenAttempts && !open; ++i) {
        open = OpenClipboard(nullptr) != FALSE;
        if (!open) Sleep(kOpenRetryMs);
    }
    if (!open) return std::nullopt;
    std::optional<std::string> bytes;
    if (HANDLE data = GetClipboardData(format)) {
        if (const void* p = GlobalLock(data)) {
            bytes.emplace(static_cast<const char*>(p), GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

}  // namespace

struct ClipboardReader::State {
    std::mutex mutex;
    std::condition_variable changed;
    bool stopping = false;
    // The request being worked on, and the answer once it is there.
    bool requested = false;
    bool answered = false;
    UINT format = 0;
    DWORD waitMs = 0;
    std::optional<std::string> answer;
    bool ownerSilent = false;
    // The clipboard content whose owner did not render in time.
    std::optional<DWORD> givenUp;

    void Serve() {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [this] { return stopping || (requested && !answered); });
            if (stopping) return;
            const UINT wanted = format;
            const DWORD wait = waitMs;
            lock.unlock();
            // The probe leaves the caller time to hear that the owner is silent.
            const bool silent = !OwnerAnswers(wait * 3 / 4);
            std::optional<std::string> result;
            if (!silent) result = ReadNow(wanted);
            lock.lock();
            answer = std::move(result);
            ownerSilent = silent;
            answered = true;
            changed.notify_all();
        }
    }
};

ClipboardReader::ClipboardReader() : state_(std::make_shared<State>()) {
    std::thread([state = state_] { state->Serve(); }).detach();
}

ClipboardReader::~ClipboardReader() {
    std::lock_guard<std::mutex> lock(state_->mutex);
    state_->stopping = true;
    state_->changed.notify_all();
}

std::optional<std::string> ClipboardReader::Read(UINT format, DWORD waitMs) {
    const DWORD sequence = GetClipboardSequenceNumber();
    std::unique_lock<std::mutex> lock(state_->mutex);
    State& s = *state_;
    if (s.givenUp == sequence) return std::nullopt;
    // A read given up earlier may still be waiting for its owner: nothing else can be read
    // until it ends.
    if (s.requested && !s.answered) return std::nullopt;
    s.requested = true;
    s.answered = false;
    s.format = format;
    s.waitMs = waitMs;
    s.answer.reset();
    s.changed.notify_all();
    if (!s.changed.wait_for(lock, std::chrono::milliseconds(waitMs), [&s] { return s.answered; })) {
        s.givenUp = sequence;
        return std::nullopt;
    }
    s.requested = false;
    if (s.ownerSilent) s.givenUp = sequence;
    return std::move(s.answer);
}

}  // namespace slotpad::win32
