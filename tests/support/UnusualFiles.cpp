#include "tests/support/UnusualFiles.h"

#include <cerrno>
#include <cstring>

#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <unistd.h>

bool MakeFifo(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

bool MakeNullDevice(const std::string& path) {
    return ::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

FileSizeLimit::FileSizeLimit(long long bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &oldAction_);
    ::getrlimit(RLIMIT_FSIZE, &old_);
    rlimit limit = old_;
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &old_);
    ::sigaction(SIGXFSZ, &oldAction_, nullptr);
}

SmallDisk::SmallDisk(const std::string& path, int kilobytes) : path_(path) {
    if (::mkdir(path.c_str(), 0755) != 0) {
        why_ = "cannot make " + path + ": " + std::strerror(errno);
        return;
    }
    // A mount namespace of this thread's own, whose mounts no one else sees.
    if (::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        why_ = std::string("no mount namespace of its own: ") + std::strerror(errno);
        return;
    }
    const std::string size = "size=" + std::to_string(kilobytes) + "k";
    if (::mount("tmpfs", path.c_str(), "tmpfs", 0, size.c_str()) != 0)
        why_ = std::string("cannot mount a tmpfs: ") + std::strerror(errno);
}

SmallDisk::~SmallDisk() {
    if (Mounted())
        ::umount2(path_.c_str(), MNT_DETACH);
}

namespace {

// The capabilities through which the administrator passes file permissions.
constexpr unsigned kOverrides =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool Capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

}  // namespace

WithoutPermissionOverride::WithoutPermissionOverride() {
    __user_cap_data_struct data[2]{};
    if (!Capabilities(data, false))
        return;
    effective_[0] = data[0].effective;
    effective_[1] = data[1].effective;
    data[0].effective &= ~kOverrides;
    changed_ = Capabilities(data, true);
}

WithoutPermissionOverride::~WithoutPermissionOverride() {
    __user_cap_data_struct data[2]{};
    if (!changed_ || !Capabilities(data, false))
        return;
    data[0].effective = effective_[0];
    data[1].effective = effective_[1];
    Capabilities(data, true);
}
