#include "platform/core/RegularFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace RegularFile {

int Open(const char* path, int flags) {
    // A look before opening: opening a device alone may act on it, and
    // opening a FIFO would wait for a writer.
    struct stat info;
    if (::stat(path, &info) != 0)
        return -1;
    if (!S_ISREG(info.st_mode)) {
        errno = EINVAL;
        return -1;
    }
    // The name may have been given to something else in between: opened
    // without waiting and looked at again.
    int fd;
    do
        fd = ::open(path, flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        errno = EINVAL;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool IsRegularOrMissing(const char* path) {
    struct stat info;
    if (::stat(path, &info) == 0)
        return S_ISREG(info.st_mode);
    return errno == ENOENT;
}

namespace {

// Moves all `size` bytes at `offset` by pread or pwrite, going on after a
// short count; false when some could not be moved.
template <class Byte, class Call>
bool Transfer(Call call, int fd, long long offset, Byte* at, std::size_t size) {
    while (size > 0) {
        const ssize_t n = call(fd, at, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        at += n;
        offset += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

bool ReadAt(int fd, long long offset, void* buffer, std::size_t size) {
    return Transfer(::pread, fd, offset, static_cast<char*>(buffer), size);
}

bool WriteAt(int fd, long long offset, const void* buffer, std::size_t size) {
    return Transfer(::pwrite, fd, offset, static_cast<const char*>(buffer), size);
}

bool ReadToEnd(int fd, std::string& bytes) {
    char chunk[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

long long Size(int fd) {
    struct stat info;
    return ::fstat(fd, &info) == 0 ? static_cast<long long>(info.st_size) : -1;
}

Lock::Lock(int fd) : fd_(fd) {
    int result;
    do
        result = ::flock(fd_, LOCK_EX);
    while (result != 0 && errno == EINTR);
    held_ = result == 0;
}

Lock::~Lock() {
    if (held_)
        ::flock(fd_, LOCK_UN);
}

}  // namespace RegularFile
