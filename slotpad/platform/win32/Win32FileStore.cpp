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
    if (!win32::WidenStrictly(path, wide)) return Fail(ReadFailure::Other);
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return ReadStatus::Missing;
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return Fail(ReadFailure::InUse);
        // Opening a folder as a file is refused as access denied.
        const DWORD attributes = GetFileAttributesW(wide.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
            return Fail(ReadFailure::Folder);
        return Fail(error == ERROR_ACCESS_DENIED ? ReadFailure::AccessDenied : ReadFailure::Other);
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > MAX_READ_SIZE)
        return Fail(ReadFailure::Other);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
            const DWORD error = GetLastError();
            bytes.clear();
            return Fail(error == ERROR_LOCK_VIOLATION ? ReadFailure::InUse : ReadFailure::Other);
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

// A copy straight over `to` would leave a half-written backup after a crash, in place of
// the whole one it replaced.
bool Win32FileStore::Copy(const std::string& from, const std::string& to) {
    std::string bytes;
    return ReadAll(from, bytes) == ReadStatus::Ok && WriteAtomically(to, bytes);
}

MoveStatus Win32FileStore::Move(const std::string& from, const std::string& to) {
    std::wstring source, target;
    if (!win32::WidenStrictly(from, source) || !win32::WidenStrictly(to, target)) return MoveStatus::Failed;
    if (MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return MoveStatus::Moved;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? MoveStatus::Missing : MoveStatus::Failed;
}

bool Win32FileStore::Remove(const std::string& path) {
    std::wstring wide;
    if (!win32::WidenStrictly(path, wide)) return false;
    if (DeleteFileW(wide.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::optional<int64_t> Win32FileStore::WriteTime(const std::string& path) {
    std::wstring wide;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!win32::WidenStrictly(path, wide) || !GetFileAttributesExW(wide.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    return static_cast<int64_t>((static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                                data.ftLastWriteTime.dwLowDateTime);
}

void Win32FileStore::Pause(std::chrono::milliseconds time) { Sleep(static_cast<DWORD>(time.count())); }

}  // namespace slotpad
