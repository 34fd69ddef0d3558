#include "platform/core/RecordFile.h"

#include "platform/core/RegularFile.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#include <fcntl.h>
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
    return FieldText(reinterpret_cast<const char*>(record + offset), size);
}

AnsiString FieldText(const char* field, std::size_t size) {
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
    switch (mode) {
    case Mode::Read:
        fd_ = RegularFile::Open(name, O_RDONLY);
        break;
    case Mode::ReadWrite:
        fd_ = RegularFile::Open(name, O_RDWR);
        break;
    case Mode::ReadWriteCreate:
        // A new file is made only when none is found, and then exclusively:
        // a file that the other program makes in between is opened as it is.
        for (int attempt = 0; attempt < 3 && fd_ < 0; ++attempt) {
            fd_ = RegularFile::Open(name, O_RDWR);
            if (fd_ >= 0 || errno != ENOENT)
                break;
            fd_ = ::open(name, O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST)
                break;
        }
        break;
    }
    return fd_ >= 0;
}

void RecordFile::Close() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

long long RecordFile::Size() {
    return fd_ >= 0 ? RegularFile::Size(fd_) : -1;
}

bool RecordFile::ReadAt(long long offset, unsigned char* buffer, std::size_t size) {
    return fd_ >= 0 && offset >= 0 && RegularFile::ReadAt(fd_, offset, buffer, size);
}

bool RecordFile::WriteAt(long long offset, const unsigned char* buffer, std::size_t size) {
    if (fd_ < 0 || offset < 0)
        return false;
    const long long before = Size();
    if (RegularFile::WriteAt(fd_, offset, buffer, size))
        return true;
    // What a failed write added at the end goes again.
    if (before >= 0 && Size() > before)
        (void)::ftruncate(fd_, static_cast<off_t>(before));
    return false;
}

long long
RecordFile::AppendRecord(std::size_t recordSize,
                         const std::function<void(long long slot, unsigned char* record)>& fill) {
    if (fd_ < 0 || recordSize == 0)
        return -1;
    const RegularFile::Lock lock(fd_);
    const long long size = Size();
    if (size < 0)
        return -1;
    const long long slot = size / static_cast<long long>(recordSize);
    const long long offset = slot * static_cast<long long>(recordSize);
    std::vector<unsigned char> record(recordSize);
    fill(slot, record.data());
    if (RegularFile::WriteAt(fd_, offset, record.data(), record.size()))
        return slot;
    (void)::ftruncate(fd_, static_cast<off_t>(offset));
    return -1;
}

bool RecordFile::ReadRecords(
    std::size_t recordSize,
    const std::function<void(const unsigned char* record, long long slot)>& each) {
    if (fd_ < 0 || recordSize == 0 || ::lseek(fd_, 0, SEEK_SET) != 0)
        return false;
    // About a quarter of a megabyte a read, in whole records.
    const std::size_t perBlock = std::max<std::size_t>(1, (256 * 1024) / recordSize);
    std::vector<unsigned char> block(perBlock * recordSize);
    long long slot = 0;
    std::size_t held = 0;  // bytes of a record begun in the last block
    for (;;) {
        const ssize_t n = ::read(fd_, block.data() + held, block.size() - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        held += static_cast<std::size_t>(n);
        const std::size_t whole = held / recordSize;
        for (std::size_t i = 0; i < whole; ++i)
            each(block.data() + i * recordSize, slot++);
        const std::size_t rest = held - whole * recordSize;
        std::memmove(block.data(), block.data() + whole * recordSize, rest);
        held = rest;
    }
}

bool FileExists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(name, ec);
}
