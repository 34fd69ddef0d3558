// What a user's machine may hold under a data file's name, or do to a
// program's writes, made by a test in its own working folder: FIFOs, device
// nodes, a full disk, a folder that takes no new file.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <string>

// A FIFO (named pipe) of that name.
bool MakeFifo(const std::string& path);
// A character device node that acts as the null device. False where this
// process may not make device nodes (only the administrator may).
bool MakeNullDevice(const std::string& path);

// While it lives, no file of this process can grow beyond `bytes`: a write
// past that point fails (the part before it is written), as on a full disk,
// instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(long long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    struct sigaction oldAction_ {};
};

// A small file system of its own (tmpfs of `kilobytes`) mounted on a new
// folder at `path` and seen by this process alone; gone with the object.
// Where this process may not mount one, nothing is mounted and Why() says
// what failed.
class SmallDisk {
public:
    SmallDisk(const std::string& path, int kilobytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return why_.empty(); }
    const std::string& Why() const { return why_; }

private:
    std::string path_;
    std::string why_;
};

// While it lives, the administrator meets file permissions as any user
// does (it gives up the capabilities that override them); nothing changes
// for other users. Bound to the thread that made it.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride();
    ~WithoutPermissionOverride();
    WithoutPermissionOverride(const WithoutPermissionOverride&) = delete;
    WithoutPermissionOverride& operator=(const WithoutPermissionOverride&) = delete;

private:
    unsigned effective_[2] = {0, 0};
    bool changed_ = false;
};
