// The other program of a shared record file, for the tests: another diary
// adding tasks or contacts, or the alarm adding places, as its user would.
//   record_appender <folder> <task|contact|place> <count> <tag> <start FIFO>
// Prints "ready" once set up and waits for a byte from the start FIFO (one
// write there starts every program waiting on it at once), then adds <count>
// records named "<tag> <i>" to the file in <folder> as fast as it can.
// Exits 0 when every record was written without a box.
#include "diary/contacts/ContactFile.h"
#include "diary/todo/TaskFile.h"
#include "locations/records/LocationFile.h"
#include "platform/core/Dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <iostream>

namespace {

// Any box means a record was not written.
class CountingResponder : public BoxResponder {
public:
    BoxAnswer Box(const BoxRequest& request) override {
        std::fprintf(stderr, "box: %s\n", request.text.c_str());
        ++boxes;
        return {};
    }
    int boxes = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6 || !QDir::setCurrent(args[1]))
        return 2;
    const int start = ::open(QFile::encodeName(args[5]).constData(), O_RDONLY);
    if (start < 0)
        return 2;
    const QString kind = args[2];
    const int count = args[3].toInt();
    const AnsiString tag = FromQString(args[4]);
    CountingResponder responder;
    Dialogs::SetResponder(&responder);

    std::function<bool(const AnsiString&)> append;
    if (kind == "task")
        append = [](const AnsiString& text) {
            TTaskRecord record;
            record.text = text;
            return WriteTaskRecord(record, AppendTaskIndex);
        };
    else if (kind == "contact")
        append = [](const AnsiString& text) {
            TContactRecord record;
            record.firstName = text;
            record.lastName = "Shared";
            return AppendContact(record);
        };
    else if (kind == "place")
        append = [](const AnsiString& text) {
            TLocationRecord record;
            SetLocationName(record, text);
            return AppendLocationRecord(record) >= 0;
        };
    else
        return 2;

    std::cout << "ready" << std::endl;
    char go;
    if (::read(start, &go, 1) != 1)
        return 2;
    int written = 0;
    for (int i = 0; i < count; ++i)
        written += append(tag + " " + std::to_string(i)) ? 1 : 0;
    Dialogs::ResetResponder();
    return written == count && responder.boxes == 0 ? 0 : 1;
}
