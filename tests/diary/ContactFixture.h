// Contacts for the tests of the address book and the birthdays: records
// with day-and-month dates, and a contact file written from a list of them.
#pragma once

#include "calendar/Misri.h"
#include "diary/contacts/ContactFile.h"

#include <string>
#include <vector>

// A day-and-month date as the contact file keeps it: in the placeholder year 1418.
inline TMisri DayMonth(int day, int month) {
    return TMisri::Raw(day, month, 1418);
}

// A contact with a title, a name and day-and-month dates.
inline TContactRecord Contact(const AnsiString& first, const AnsiString& last, TMisri birth,
                              TMisri anniversary = NoContactDate()) {
    TContactRecord r;
    r.title = "Dr.";
    r.firstName = first;
    r.lastName = last;
    r.birth = birth;
    r.anniversary = anniversary;
    return r;
}

// The bytes of a contact file holding the records in this order.
inline std::string FileOf(const std::vector<TContactRecord>& records) {
    std::string bytes;
    for (const TContactRecord& r : records) {
        const ContactRecordBytes packed = PackContactRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    return bytes;
}
