#include "calendar/MisriField.h"

#include "platform/core/RecordFile.h"

void PutMisri(unsigned char* record, std::size_t offset, const TMisri& date) {
    RecordBytes::PutInt32(record, offset, date.Month());
    RecordBytes::PutInt32(record, offset + 4, date.Year());
    RecordBytes::PutInt32(record, offset + 8, date.Day());
}

TMisri GetMisri(const unsigned char* record, std::size_t offset) {
    const int month = RecordBytes::GetInt32(record, offset);
    const int year = RecordBytes::GetInt32(record, offset + 4);
    const int day = RecordBytes::GetInt32(record, offset + 8);
    return TMisri::Raw(day, month, year);
}
