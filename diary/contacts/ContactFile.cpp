#include "diary/contacts/ContactFile.h"

#include "calendar/MisriField.h"
#include "calendar/Projglob.h"

#include <cstring>

namespace {

struct TextField {
    AnsiString TContactRecord::*member;
    std::size_t offset;
    std::size_t size;
};

// The text fields in the order and at the places of the record.
constexpr std::array<TextField, 15> kTextFields = {{
    {&TContactRecord::title, 0, 15},
    {&TContactRecord::firstName, 15, 25},
    {&TContactRecord::lastName, 40, 25},
    {&TContactRecord::address1, 65, 25},
    {&TContactRecord::address2, 90, 25},
    {&TContactRecord::city, 115, 20},
    {&TContactRecord::state, 135, 15},
    {&TContactRecord::zip, 150, 10},
    {&TContactRecord::country, 160, 15},
    {&TContactRecord::homePhone, 175, 20},
    {&TContactRecord::workPhone, 195, 20},
    {&TContactRecord::fax, 215, 20},
    {&TContactRecord::beeper, 235, 20},
    {&TContactRecord::email, 255, 70},
    {&TContactRecord::web, 325, 75},
}};

constexpr std::size_t kBirthOffset = 400;
constexpr std::size_t kAnniversaryOffset = 412;
constexpr std::size_t kNumberOffset = 424;
constexpr std::size_t kDeletedOffset = 426;

long long OffsetOf(int number) {
    return static_cast<long long>(number - 1) * ContactRecordSize;
}

// Record n of an open file, when the file holds all of it.
std::optional<TContactRecord> ReadRecord(RecordFile& file, int number) {
    if (number < 1)
        return std::nullopt;
    ContactRecordBytes bytes;
    if (!file.ReadAt(OffsetOf(number), bytes.data(), bytes.size()))
        return std::nullopt;
    return UnpackContactRecord(bytes);
}

}  // namespace

TMisri NoContactDate() {
    return TMisri::Raw(1, 1, 4000);
}

ContactRecordBytes PackContactRecord(const TContactRecord& record) {
    ContactRecordBytes bytes{};
    for (const TextField& f : kTextFields)
        RecordBytes::PutText(bytes.data(), f.offset, f.size, record.*f.member);
    PutMisri(bytes.data(), kBirthOffset, record.birth);
    PutMisri(bytes.data(), kAnniversaryOffset, record.anniversary);
    RecordBytes::PutInt16(bytes.data(), kNumberOffset, record.number);
    RecordBytes::PutInt16(bytes.data(), kDeletedOffset, record.deleted);
    return bytes;
}

TContactRecord UnpackContactRecord(const ContactRecordBytes& bytes) {
    TContactRecord record;
    for (const TextField& f : kTextFields)
        record.*f.member = RecordBytes::GetText(bytes.data(), f.offset, f.size);
    record.birth = GetMisri(bytes.data(), kBirthOffset);
    record.anniversary = GetMisri(bytes.data(), kAnniversaryOffset);
    record.number = RecordBytes::GetInt16(bytes.data(), kNumberOffset);
    record.deleted = RecordBytes::GetInt16(bytes.data(), kDeletedOffset);
    return record;
}

bool AppendContact(TContactRecord& record) {
    RecordFile file(ContactFileName, RecordFile::Mode::ReadWriteCreate);
    if (!file.IsOpen()) {
        ShowErrorBox("Cannot create contact.dat");
        return false;
    }
    // The new record goes after the last whole record, where it really lands
    // while another diary may be adding contacts too, and takes the number
    // after that record's; a file without one starts at 1.
    const long long slot =
        file.AppendRecord(ContactRecordSize, [&](long long landed, unsigned char* out) {
            int number = 1;
            if (landed > 0)
                if (const auto last = ReadRecord(file, static_cast<int>(landed)))
                    number = last->number + 1;
            record.number = static_cast<std::int16_t>(number);
            record.deleted = 0;
            const ContactRecordBytes bytes = PackContactRecord(record);
            std::memcpy(out, bytes.data(), bytes.size());
        });
    if (slot < 0) {
        ShowErrorBox("Cannot create contact.dat");
        return false;
    }
    return true;
}

std::optional<TContactRecord> ReadContact(int number) {
    RecordFile file(ContactFileName, RecordFile::Mode::Read);
    if (!file.IsOpen())
        return std::nullopt;
    return ReadRecord(file, number);
}

bool ForEachContact(const std::function<void(const TContactRecord& record, int number)>& each) {
    RecordFile file(ContactFileName, RecordFile::Mode::Read);
    if (!file.IsOpen())
        return false;
    return file.ReadRecords(ContactRecordSize, [&](const unsigned char* record, long long slot) {
        ContactRecordBytes bytes;
        std::memcpy(bytes.data(), record, bytes.size());
        each(UnpackContactRecord(bytes), static_cast<int>(slot + 1));
    });
}

std::optional<std::vector<TContactRecord>> ReadAllContacts() {
    std::vector<TContactRecord> records;
    if (!ForEachContact([&](const TContactRecord& record, int) { records.push_back(record); }))
        return std::nullopt;
    return records;
}

bool ContactFileEdit::Open() {
    if (!file_.Open(ContactFileName, RecordFile::Mode::ReadWrite)) {
        ShowErrorBox("Unable to open file 'contact.dat'");
        return false;
    }
    return true;
}

std::optional<TContactRecord> ContactFileEdit::Read(int number) {
    return ReadRecord(file_, number);
}

bool ContactFileEdit::Write(int number, const TContactRecord& record) {
    if (number < 1)
        return false;
    const ContactRecordBytes bytes = PackContactRecord(record);
    return file_.WriteAt(OffsetOf(number), bytes.data(), bytes.size());
}
