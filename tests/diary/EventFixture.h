// Event files for the tests of the main window: the slots of every day up to
// a last key, the days given carrying their texts.
#pragma once

#include "diary/calendar/records/EventFile.h"

#include <cstring>
#include <string>
#include <utility>
#include <vector>

// An event file whose slots up to `lastKey` exist; the days given carry their texts.
inline std::string EventFileBytes(const std::vector<std::pair<int, std::vector<AnsiString>>>& days,
                                  int lastKey) {
    std::string bytes(static_cast<std::size_t>(lastKey + 1) * EventRecordSize, '\0');
    for (const auto& [key, texts] : days) {
        TEventRecord record;
        record.key = static_cast<std::int16_t>(key);
        for (std::size_t i = 0; i < texts.size(); ++i)
            record.Text(static_cast<int>(i)) = texts[i];
        const EventRecordBytes packed = PackEventRecord(record);
        std::memcpy(&bytes[static_cast<std::size_t>(key) * EventRecordSize], packed.data(),
                    packed.size());
    }
    return bytes;
}
