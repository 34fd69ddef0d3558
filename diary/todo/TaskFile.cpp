#include "diary/todo/TaskFile.h"

#include "calendar/MisriField.h"
#include "calendar/Projglob.h"
#include "platform/core/RecordFile.h"
#include "platform/core/TextFile.h"

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kIndexOffset = 0;
constexpr std::size_t kPriorityOffset = 4;
constexpr std::size_t kCompletedOffset = 6;
constexpr std::size_t kDeletedOffset = 8;
constexpr std::size_t kTextOffset = 10;
constexpr std::size_t kDueDateOffset = 60;
constexpr std::size_t kTaskDateOffset = 72;

constexpr const char* kCannotCreate = "Cannot create 'todotask.dat'";
constexpr const char* kCannotOpen = "Error opening file 'todotask.dat'.";
constexpr const char* kCannotWrite = "Error writing to todotask.dat";

// Opens an existing file for writing, or creates it; reports why it could not.
bool OpenForWriting(RecordFile& file) {
    if (FileExists(TaskFileName)) {
        if (!file.Open(TaskFileName, RecordFile::Mode::ReadWrite)) {
            ShowErrorBox(kCannotOpen);
            return false;
        }
        return true;
    }
    if (!file.Open(TaskFileName, RecordFile::Mode::ReadWriteCreate)) {
        ShowErrorBox(kCannotCreate);
        return false;
    }
    return true;
}

// The whole records the open file holds; -1 when its size cannot be told.
long long WholeRecords(RecordFile& file) {
    const long long size = file.Size();
    return size < 0 ? -1 : size / TaskRecordSize;
}

bool WriteSlot(RecordFile& file, std::int32_t slot, const TTaskRecord& record) {
    const TaskRecordBytes bytes = PackTaskRecord(record);
    return file.WriteAt(static_cast<long long>(slot) * TaskRecordSize, bytes.data(), bytes.size());
}

}  // namespace

TaskRecordBytes PackTaskRecord(const TTaskRecord& record) {
    TaskRecordBytes bytes{};
    RecordBytes::PutInt32(bytes.data(), kIndexOffset, record.index);
    RecordBytes::PutInt16(bytes.data(), kPriorityOffset, record.priority);
    RecordBytes::PutInt16(bytes.data(), kCompletedOffset, record.completed);
    RecordBytes::PutInt16(bytes.data(), kDeletedOffset, record.deleted);
    RecordBytes::PutText(bytes.data(), kTextOffset, TaskTextSize, record.text);
    PutMisri(bytes.data(), kDueDateOffset, record.dueDate);
    PutMisri(bytes.data(), kTaskDateOffset, record.taskDate);
    return bytes;
}

TTaskRecord UnpackTaskRecord(const TaskRecordBytes& bytes) {
    TTaskRecord record;
    record.index = RecordBytes::GetInt32(bytes.data(), kIndexOffset);
    record.priority = RecordBytes::GetInt16(bytes.data(), kPriorityOffset);
    record.completed = RecordBytes::GetInt16(bytes.data(), kCompletedOffset);
    record.deleted = RecordBytes::GetInt16(bytes.data(), kDeletedOffset);
    record.text = RecordBytes::GetText(bytes.data(), kTextOffset, TaskTextSize);
    record.dueDate = GetMisri(bytes.data(), kDueDateOffset);
    record.taskDate = GetMisri(bytes.data(), kTaskDateOffset);
    return record;
}

bool WriteTaskRecord(TTaskRecord& record, std::int32_t index) {
    RecordFile file;
    if (!OpenForWriting(file))
        return false;
    if (index == AppendTaskIndex) {
        // An append takes the slot after the last whole record, where it
        // really lands while another diary may be adding tasks too, so that
        // slot and index stay equal.
        const long long slot =
            file.AppendRecord(TaskRecordSize, [&](long long landed, unsigned char* out) {
                record.index = static_cast<std::int32_t>(landed);
                const TaskRecordBytes bytes = PackTaskRecord(record);
                std::memcpy(out, bytes.data(), bytes.size());
            });
        if (slot < 0) {
            ShowErrorBox(kCannotWrite);
            return false;
        }
        return true;
    }
    const long long whole = WholeRecords(file);
    record.index = index;
    // A slot past the records would leave a gap of zero records that every
    // list would read as tasks; such a write is refused.
    if (whole < 0 || index < 0 || index > whole || !WriteSlot(file, index, record)) {
        ShowErrorBox(kCannotWrite);
        return false;
    }
    return true;
}

void RewriteTaskRecords(const std::vector<TTaskRecord>& records) {
    RecordFile file;
    if (!OpenForWriting(file))
        return;
    const long long whole = WholeRecords(file);
    for (const TTaskRecord& record : records)
        if (record.index < 0 || record.index >= whole || !WriteSlot(file, record.index, record))
            ShowErrorBox(kCannotWrite);
}

std::optional<std::vector<TTaskRecord>> ReadTaskRecords() {
    if (!FileExists(TaskFileName))
        return std::nullopt;
    RecordFile file;
    if (!file.Open(TaskFileName, RecordFile::Mode::Read)) {
        ShowErrorBox(kCannotOpen);
        return std::nullopt;
    }
    std::vector<TTaskRecord> records;
    // A read that fails part way ends the list there, as the end would.
    file.ReadRecords(TaskRecordSize, [&](const unsigned char* record, long long) {
        TaskRecordBytes bytes;
        std::memcpy(bytes.data(), record, bytes.size());
        records.push_back(UnpackTaskRecord(bytes));
    });
    return records;
}

AnsiString TaskNoteFileName(std::int32_t index) {
    return IntToStr(index) + ".msg";
}

std::vector<AnsiString> LoadTaskNote(const AnsiString& fileName) {
    return LoadLinesFromFile(fileName);
}

void SaveTaskNote(const AnsiString& fileName, const std::vector<AnsiString>& lines) {
    SaveLinesToFile(fileName, lines);
}
