#include "slotpad/platform/win32/Win32FileStore.h"

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

// False for text that is not valid UTF-8.
bool ToWide(const std::string& utf8, std::wstring& wide) {
    wide.clear();
    if (utf8.empty()) return true;
    const int size = static_cast<int>(std::min<size_t>(utf8.size(), INT32_MAX));
    const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, nullptr, 0);
    if (n <= 0) return false;
    wide.resize(static_cast<size_t>(n));
    return MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), size, wide.data(), n) == n;
}

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
    if (!ToWide(path, wide)) return ReadStatus::Failed;
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
    if (!ToWide(path, target)) return false;
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
    return ToWide(from, source) && ToWide(to, target) && CopyFileW(source.c_str(), target.c_str(), FALSE);
}

}  // namespace slotpad
