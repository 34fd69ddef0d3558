// The system calls under the record and text files: files are opened only
// when they are regular files, so that a folder, a FIFO or a device under a
// data file's name is refused at once instead of being read forever or
// replaced; and an exclusive lock of an open file for the programs that
// write one file at the same time.
#pragma once

#include <cstddef>
#include <string>

namespace RegularFile {

// Opens an existing regular file (a link counting as its target) with the
// open flags given; -1 with errno set when it is missing or cannot be opened,
// and with EINVAL when it is something else than a regular file. Never waits
// for the other end of a FIFO, and never opens a device.
int Open(const char* path, int flags);

// Whether the name is free or names a regular file (a link counting as its
// target): a dangling link counts as free.
bool IsRegularOrMissing(const char* path);

// Reads exactly `size` bytes at `offset`; false when the file holds fewer
// there or a read fails.
bool ReadAt(int fd, long long offset, void* buffer, std::size_t size);
// Writes all `size` bytes at `offset`; false when any of them could not be
// written (a full disk, a size limit).
bool WriteAt(int fd, long long offset, const void* buffer, std::size_t size);
// The whole rest of the file from its current position; false when a read
// fails.
bool ReadToEnd(int fd, std::string& bytes);
// The file's length, -1 when it cannot be told.
long long Size(int fd);

// Holds an exclusive advisory lock of an open file while it lives. The lock
// belongs to the file itself, so programs that reach it through different
// links share it. On a file system without such locks the holder goes on
// unlocked.
class Lock {
public:
    explicit Lock(int fd);
    ~Lock();
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    int fd_;
    bool held_ = false;
};

}  // namespace RegularFile
