// Tasks for the tests of the to-do list: records built from their parts and
// a task file written from a list of them.
#pragma once

#include "calendar/Misri.h"
#include "diary/todo/TaskFile.h"

#include <string>
#include <vector>

// The fixed clock's day: 10 December 2026.
inline const TMisri kToday = TMisri::Raw(2, 7, 1448);

inline TTaskRecord Task(std::int32_t index, const AnsiString& text, TMisri due,
                        TMisri day = kToday) {
    TTaskRecord r;
    r.index = index;
    r.text = text;
    r.dueDate = due;
    r.taskDate = day;
    return r;
}

// The bytes of a task file holding the records in this order.
inline std::string FileOf(const std::vector<TTaskRecord>& records) {
    std::string bytes;
    for (const TTaskRecord& r : records) {
        const TaskRecordBytes packed = PackTaskRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    return bytes;
}

// A file of six tasks of which three are due: one today, one yesterday (of a
// task filed for a later day) and one long ago; one due tomorrow, one done
// and one deleted are not.
inline std::string MixedTaskFile() {
    TTaskRecord done = Task(3, "Done", kToday.SubtractDays(2));
    done.completed = 1;
    TTaskRecord gone = Task(4, "Gone", kToday.SubtractDays(2));
    gone.deleted = 1;
    return FileOf({Task(0, "Due today", kToday), Task(1, "Tomorrow", kToday.AddDays(1)),
                   Task(2, "Yesterday", kToday.SubtractDays(1), kToday.AddDays(5)), done, gone,
                   Task(5, "Long due", TMisri(1, 1, 1447))});
}
