#include "slotpad/platform/win32/Win32FileStore.h"

#include "slotpad/platform/win32/Utf.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace slotpad {

namespace {

// Far beyond the largest file the program writes (about 9 MiB); anything bigger is not
// a settings file and is not worth the memory.
constexpr uint64_t MAX_READ_SIZE = 256ull << 20;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        if (handle_ == INVALID_HANDLE_VALUE) return true;
        const bool ok = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE handle_;
};

bool WriteFully(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

}  // namespace

ReadStatus Win32FileStore::ReadAll(const std::string& path, std::string& bytes) {
    bytes.clear();
    std::wstring wide;
    if (!win32::WidenStrictly(path, wide)) return ReadStatus::Failed;
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ReadStatus::Missing
                                                                                : ReadStatus::Failed;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > MAX_READ_SIZE)
        return ReadStatus::Failed;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            bytes.clear();
            return ReadStatus::Failed;
        }
        if (read == 0) break;  // the file shrank meanwhile
        done += read;
    }
    bytes.resize(done);
    return ReadStatus::Ok;
}

bool Win32FileStore::WriteAtomically(const std::string& path, std::string_view bytes) {
    std::wstring target;
    if (!win32::WidenStrictly(path, target)) return false;
    const std::wstring temp = target + L".tmp";
    FileHandle file(
        CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    const bool written = WriteFully(file.get(), bytes) && FlushFileBuffers(file.get());
    if (!file.Close() || !written ||
        !MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

bool Win32FileStore::Copy(const std::string& from, const std::string& to) {
    std::wstring source, target;
    return win32::WidenStrictly(from, source) && win32::WidenStrictly(to, target) && CopyFileW(source.c_str(), target.c_str(), FALSE);
}

}  // namespace slotpad
