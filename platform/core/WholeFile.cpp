// Reading and replacing whole files (declared in RecordFile.h).
#include "platform/core/RecordFile.h"
#include "platform/core/RegularFile.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The file that a path finally names: symbolic links are followed, a
// relative one from the folder of the link, at most as many as the system
// follows itself.
fs::path FinalTarget(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            break;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return path;
}

// Whether the user may write an existing file: someone may write it and the
// system lets this user do so. A file made read-only stays read-only, also
// for the administrator, whom the system itself would let through.
bool MayWrite(const fs::path& path, fs::perms perms) {
    constexpr fs::perms anyWrite =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (perms & anyWrite) != fs::perms::none && ::access(path.c_str(), W_OK) == 0;
}

// Six letters or digits, different at every call.
std::string FreshSuffix() {
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string suffix(6, ' ');
    for (char& c : suffix)
        c = kLetters[pick(random)];
    return suffix;
}

// A new temporary file next to the target, made exclusively under a fresh
// name: whatever already has that name (another writer's temporary file, a
// planted link) is never opened, and a name found taken is given up for
// another. -1 with errno when the folder takes no new file.
int CreateTemporary(const fs::path& target, std::string& name) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target.string() + "." + FreshSuffix() + ".tmp";
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Whether a failure to make or rename a file tells that the folder, not the
// file, refuses the change (a folder the user may not write, a file that is
// a mount point of its own).
bool FolderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == EBUSY;
}

// Writes the bytes over the regular file itself, under its lock; when that
// fails, its old bytes are put back (they fit where they were).
bool RewriteInPlace(const fs::path& target, const std::string& bytes) {
    const int fd = RegularFile::Open(target.c_str(), O_RDWR);
    if (fd < 0)
        return false;
    bool ok;
    {
        const RegularFile::Lock lock(fd);
        std::string old;
        ok = RegularFile::ReadToEnd(fd, old);
        if (ok) {
            ok = RegularFile::WriteAt(fd, 0, bytes.data(), bytes.size()) &&
                 ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 && ::fsync(fd) == 0;
            if (!ok) {
                RegularFile::WriteAt(fd, 0, old.data(), old.size());
                (void)::ftruncate(fd, static_cast<off_t>(old.size()));
            }
        }
    }
    return ::close(fd) == 0 && ok;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int fd = RegularFile::Open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    const bool ok = RegularFile::ReadToEnd(fd, bytes);
    ::close(fd);
    if (!ok)
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const fs::path target = FinalTarget(path);
    // A device or a FIFO under the name is never replaced by a file.
    if (!RegularFile::IsRegularOrMissing(target.c_str()))
        return false;
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    if (replacing && !MayWrite(target, old.permissions()))
        return false;

    std::string temp;
    const int fd = CreateTemporary(target, temp);
    if (fd < 0)
        return replacing && FolderRefuses(errno) && RewriteInPlace(target, bytes);
    bool ok = RegularFile::WriteAt(fd, 0, bytes.data(), bytes.size());
    if (ok && replacing)  // the file keeps its mode
        ok = ::fchmod(fd, static_cast<mode_t>(old.permissions() & fs::perms::mask)) == 0;
    // Written through before it takes the file's place: a full disk that
    // shows only now leaves the old file.
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (ok && ::rename(temp.c_str(), target.c_str()) == 0)
        return true;
    const int error = errno;
    ::unlink(temp.c_str());
    return ok && replacing && FolderRefuses(error) && RewriteInPlace(target, bytes);
}
