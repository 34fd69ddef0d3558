// Contacts for the tests of the address book: a contact file written from a
// list of records.
#pragma once

#include "ContactFile.h"

#include <string>
#include <vector>

// The bytes of a contact file holding the records in this order.
inline std::string FileOf(const std::vector<TContactRecord>& records) {
    std::string bytes;
    for (const TContactRecord& r : records) {
        const ContactRecordBytes packed = PackContactRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    return bytes;
}
