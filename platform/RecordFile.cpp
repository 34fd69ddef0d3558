#include "RecordFile.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace RecordBytes {

void PutText(unsigned char* record, std::size_t offset, std::size_t size, const AnsiString& text) {
    if (size == 0)
        return;
    unsigned char* field = record + offset;
    std::memset(field, 0, size);
    // A NUL inside the text ends it there, as every reader would stop there.
    const std::size_t length = std::min({text.find('\0'), text.size(), size - 1});
    std::memcpy(field, text.data(), length);
}

AnsiString GetText(const unsigned char* record, std::size_t offset, std::size_t size) {
    const char* field = reinterpret_cast<const char*>(record + offset);
    const void* nul = std::memchr(field, 0, size);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : size;
    return AnsiString(field, length);
}

void PutInt16(unsigned char* record, std::size_t offset, std::int16_t value) {
    const auto u = static_cast<std::uint16_t>(value);
    record[offset] = static_cast<unsigned char>(u & 0xFF);
    record[offset + 1] = static_cast<unsigned char>(u >> 8);
}

std::int16_t GetInt16(const unsigned char* record, std::size_t offset) {
    const auto u = static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
    return static_cast<std::int16_t>(u);
}

void PutInt32(unsigned char* record, std::size_t offset, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
}

std::int32_t GetInt32(const unsigned char* record, std::size_t offset) {
    std::uint32_t u = 0;
    for (std::size_t i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(record[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(u);
}

void PutFloat32(unsigned char* record, std::size_t offset, float value) {
    PutInt32(record, offset, std::bit_cast<std::int32_t>(value));
}

float GetFloat32(const unsigned char* record, std::size_t offset) {
    return std::bit_cast<float>(GetInt32(record, offset));
}

}  // namespace RecordBytes

RecordFile::~RecordFile() {
    Close();
}

bool RecordFile::Open(const char* name, Mode mode) {
    Close();
    // The C library opens a folder for reading; every read of it then fails,
    // which would pass for an empty file.
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec))
        return false;
    switch (mode) {
    case Mode::Read:
        file_ = std::fopen(name, "rb");
        break;
    case Mode::ReadWrite:
        file_ = std::fopen(name, "r+b");
        break;
    case Mode::ReadWriteCreate:
        // "r+b" never creates and "w+b" would empty an existing file, so the
        // new file is made only when the first open finds none, and then
        // exclusively ("x"): a file that the other program makes in between
        // is left as it is.
        file_ = std::fopen(name, "r+b");
        if (!file_) {
            std::error_code ec;
            if (!std::filesystem::exists(name, ec) && !ec)
                file_ = std::fopen(name, "w+bx");
        }
        break;
    }
    return file_ != nullptr;
}

void RecordFile::Close() {
    if (file_) {
        std::fclose(file_);
        file_ = nullptr;
    }
}

long long RecordFile::Size() {
    if (!file_ || std::fseek(file_, 0, SEEK_END) != 0)
        return -1;
    return std::ftell(file_);
}

bool RecordFile::ReadAt(long long offset, unsigned char* buffer, std::size_t size) {
    if (!file_ || offset < 0 || offset > LONG_MAX)
        return false;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    return std::fread(buffer, 1, size, file_) == size;
}

bool RecordFile::WriteAt(long long offset, const unsigned char* buffer, std::size_t size) {
    if (!file_ || offset < 0 || offset > LONG_MAX)
        return false;
    if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0)
        return false;
    if (std::fwrite(buffer, 1, size, file_) != size)
        return false;
    return std::fflush(file_) == 0;
}

bool RecordFile::ReadRecords(
    std::size_t recordSize,
    const std::function<void(const unsigned char* record, long long slot)>& each) {
    if (!file_ || recordSize == 0 || std::fseek(file_, 0, SEEK_SET) != 0)
        return false;
    // About a quarter of a megabyte a read, in whole records.
    const std::size_t perBlock = std::max<std::size_t>(1, (256 * 1024) / recordSize);
    std::vector<unsigned char> block(perBlock * recordSize);
    long long slot = 0;
    std::size_t held = 0;  // bytes of a record begun in the last block
    for (;;) {
        const std::size_t n = std::fread(block.data() + held, 1, block.size() - held, file_);
        held += n;
        const std::size_t whole = held / recordSize;
        for (std::size_t i = 0; i < whole; ++i)
            each(block.data() + i * recordSize, slot++);
        const std::size_t rest = held - whole * recordSize;
        std::memmove(block.data(), block.data() + whole * recordSize, rest);
        held = rest;
        if (n == 0 || std::feof(file_) || std::ferror(file_))
            return std::ferror(file_) == 0;
    }
}

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
    return (perms & anyWrite) != fs::perms::none && access(path.c_str(), W_OK) == 0;
}

}  // namespace

bool FileExists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(name, ec);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string bytes;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    const fs::path target = FinalTarget(path);
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool replacing = fs::exists(old);
    if (replacing && !MayWrite(target, old.permissions()))
        return false;
    const fs::path temp = target.string() + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (ok && replacing) {
        fs::permissions(temp, old.permissions(), ec);  // the file keeps its mode
        ok = !ec;
    }
    if (ok) {
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok)
        fs::remove(temp, ec);
    return ok;
}
