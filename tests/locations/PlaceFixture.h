// Places for the tests of the forms that offer them: records built from
// their parts, and a location file written from a list of them.
#pragma once

#include "locations/records/LocationFile.h"
#include "tests/support/SettingsSandbox.h"

#include <QDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline TLocationRecord Place(const AnsiString& name, float longitude = 0, float latitude = 0,
                             float timeZone = 0) {
    TLocationRecord rec;
    SetLocationName(rec, name);
    rec.longitude = longitude;
    rec.latitude = latitude;
    rec.timeZone = timeZone;
    return rec;
}

// The bytes of a location file holding the places in this order.
inline std::string FileOf(const std::vector<TLocationRecord>& places) {
    std::string bytes;
    for (const auto& p : places) {
        const LocationRecordBytes b = PackLocationRecord(p);
        bytes.append(reinterpret_cast<const char*>(b.data()), b.size());
    }
    return bytes;
}

inline std::string BytesOf(const TLocationRecord& place) {
    return FileOf({place});
}

class PlaceSandbox : public SettingsSandbox {
protected:
    static void WritePlaces(const std::vector<TLocationRecord>& places) {
        WriteFile(LocationFileName, FileOf(places));
    }
    // Every box shown so far as "caption: text".
    std::vector<std::string> Boxes() const {
        std::vector<std::string> boxes;
        for (const auto& b : responder->Boxes())
            boxes.push_back(b.caption + ": " + b.text);
        return boxes;
    }
    // A location file that exists but cannot be opened as a file.
    static void MakeUnopenableFile() { ASSERT_TRUE(QDir().mkdir(LocationFileName)); }
};
