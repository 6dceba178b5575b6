#include "slotpad/platform/posix/PosixFileStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <thread>

namespace slotpad {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    bool Close() {
        if (fd_ < 0) return true;
        const bool ok = ::close(fd_) == 0;
        fd_ = -1;
        return ok;
    }

private:
    int fd_;
};

bool WriteFully(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

ReadStatus PosixFileStore::ReadAll(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file) {
        if (errno == ENOENT || errno == ENOTDIR) return ReadStatus::Missing;
        return Fail(errno == EACCES || errno == EPERM ? ReadFailure::AccessDenied
                    : errno == EBUSY || errno == ETXTBSY ? ReadFailure::InUse
                                                         : ReadFailure::Other);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return Fail(ReadFailure::Other);
    if (S_ISDIR(info.st_mode)) return Fail(ReadFailure::Folder);
    if (!S_ISREG(info.st_mode)) return Fail(ReadFailure::Other);
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t done = 0;
    for (;;) {
        if (done == bytes.size()) bytes.resize(done + 65536);  // the file grew meanwhile
        const ssize_t n = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            bytes.clear();
            return Fail(ReadFailure::Other);
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    bytes.resize(done);
    return ReadStatus::Ok;
}

bool PosixFileStore::WriteAtomically(const std::string& path, std::string_view bytes) {
    const std::string temp = path + ".tmp";
    FileDescriptor file(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!file) return false;
    const bool written = WriteFully(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (!file.Close() || !written || ::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder's entry.
    FileDescriptor folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder) ::fsync(folder.get());
    return true;
}

bool PosixFileStore::Copy(const std::string& from, const std::string& to) {
    std::string bytes;
    return ReadAll(from, bytes) == ReadStatus::Ok && WriteAtomically(to, bytes);
}

MoveStatus PosixFileStore::Move(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) == 0) return MoveStatus::Moved;
    return errno == ENOENT ? MoveStatus::Missing : MoveStatus::Failed;
}

bool PosixFileStore::Remove(const std::string& path) { return ::unlink(path.c_str()) == 0 || errno == ENOENT; }

std::optional<int64_t> PosixFileStore::WriteTime(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    return static_cast<int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
}

void PosixFileStore::Pause(std::chrono::milliseconds time) { std::this_thread::sleep_for(time); }

}  // namespace slotpad
