// The diary's panes over large files of its own. Goals, each for 100,000
// records and growing linearly with the count: the to-do pane filled with
// the tasks of the shown day and the outstanding-tasks list filled with
// overdue tasks under 300 ms each; the contacts pane entered under 300 ms; a
// calendar month's birthdays listed under 100 ms; the diary resident under
// 120 MB with the contact list loaded (counter rss_MB).
#include "diary/MainForm.h"
#include "diary/contacts/ContactFile.h"
#include "diary/todo/TaskFile.h"
#include "diary/todo/Tasks.h"
#include "platform/core/Clock.h"
#include "platform/core/Dialogs.h"
#include "platform/core/RecordFile.h"
#include "platform/widgets/Forms.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// Answers every box and modal form; a benchmark that meets one fails.
class CountingResponder : public DialogResponder {
public:
    BoxAnswer Box(const BoxRequest&) override {
        ++boxes;
        return {};
    }
    int Modal(TForm&) override {
        ++boxes;
        return mrCancel;
    }
    int boxes = 0;
};

CountingResponder responder;

// The fixed day of every benchmark: 2 Rajjab 1448.
const TMisri kToday = TMisri::Raw(2, 7, 1448);

void WriteTasks(int count, const TMisri& taskDate, const TMisri& dueDate) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * TaskRecordSize);
    for (int i = 0; i < count; ++i) {
        TTaskRecord r;
        r.index = i;
        r.text = "Task number " + std::to_string(i) + " of a long list";
        r.dueDate = dueDate;
        r.taskDate = taskDate;
        const TaskRecordBytes packed = PackTaskRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    WriteWholeFile(TaskFileName, bytes);
}

// Contacts with full addresses, each with a birthday somewhere in the year.
void WriteContacts(int count) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(count) * ContactRecordSize);
    for (int i = 0; i < count; ++i) {
        TContactRecord r;
        r.title = "Dr.";
        r.firstName = "Firstname" + std::to_string(i);
        r.lastName = "Lastname" + std::to_string(i);
        r.address1 = "12 Crescent Road";
        r.address2 = "Apartment " + std::to_string(i % 100);
        r.city = "Springfield";
        r.state = "Illinois";
        r.zip = "62704";
        r.country = "USA";
        r.homePhone = "555-0147";
        r.email = "person" + std::to_string(i) + "@example.org";
        r.web = "www.example.org/~person" + std::to_string(i);
        r.birth = TMisri::Raw(1 + i % 29, 1 + i % 12, 1418);
        r.anniversary = NoContactDate();
        r.number = static_cast<std::int16_t>(i + 1);
        const ContactRecordBytes packed = PackContactRecord(r);
        bytes.append(packed.begin(), packed.end());
    }
    WriteWholeFile(ContactFileName, bytes);
}

long ResidentMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine())
        if (line.startsWith("VmRSS:"))
            return line.section(' ', 1, -1, QString::SectionSkipEmpty).section(' ', 0, 0).toLong() /
                   1024;
    return -1;
}

void Check(benchmark::State& state) {
    if (responder.boxes != 0)
        state.SkipWithError("a box was shown");
}

void BM_ToDoPaneDay(benchmark::State& state) {
    WriteTasks(static_cast<int>(state.range(0)), kToday, kToday.AddDays(3));
    // On screen, as the user has it.
    TfrmMain form;
    form.show();
    form.ShowPane(2);
    for (auto _ : state)
        form.ShowToDoDay(kToday);
    state.SetComplexityN(state.range(0));
    Check(state);
}
BENCHMARK(BM_ToDoPaneDay)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_OutstandingTasks(benchmark::State& state) {
    WriteTasks(static_cast<int>(state.range(0)), kToday, kToday.SubtractDays(40));
    TfrmTasks form;
    for (auto _ : state)
        benchmark::DoNotOptimize(form.LoadOutstandingTasks());
    state.SetComplexityN(state.range(0));
    Check(state);
}
BENCHMARK(BM_OutstandingTasks)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_ContactsPane(benchmark::State& state) {
    WriteContacts(static_cast<int>(state.range(0)));
    // On screen, the pane entered again while it shows.
    TfrmMain form;
    form.show();
    for (auto _ : state)
        form.ShowPane(3);
    state.counters["rss_MB"] = static_cast<double>(ResidentMegabytes());
    state.SetComplexityN(state.range(0));
    Check(state);
}
BENCHMARK(BM_ContactsPane)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_MonthBirthdays(benchmark::State& state) {
    WriteContacts(static_cast<int>(state.range(0)));
    TfrmMain form;
    const TMisri first = kToday.FirstOfMonth();
    for (auto _ : state)
        form.LoadBirthdays(first, first.DaysInMonth());
    state.SetComplexityN(state.range(0));
    Check(state);
}
BENCHMARK(BM_MonthBirthdays)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    Dialogs::SetResponder(&responder);
    Clock::SetFixed(QDateTime(QDate(2026, 12, 10), QTime(12, 0)));
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    Dialogs::ResetResponder();
    return 0;
}
