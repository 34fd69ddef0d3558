#include "platform/core/Clock.h"
#include "platform/desktop/Associations.h"
#include "platform/desktop/SingleInstance.h"
#include "platform/desktop/Sound.h"
#include "platform/desktop/SystemTime.h"
#include "platform/desktop/TaskbarEntry.h"
#include "platform/desktop/TrayIcon.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/NotificationArea.h"
#include "tests/support/Sandbox.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTimer>

#include <QtGui/qguiapplication_platform.h>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <optional>

namespace {

// A PCM WAV file of `frames` silent 16-bit mono frames at 8000 Hz.
std::string SilentWav(uint32_t frames) {
    auto le32 = [](uint32_t v) {
        return std::string{char(v & 0xff), char(v >> 8 & 0xff), char(v >> 16 & 0xff),
                           char(v >> 24 & 0xff)};
    };
    auto le16 = [](uint16_t v) { return std::string{char(v & 0xff), char(v >> 8 & 0xff)}; };
    const uint32_t data = frames * 2;
    return "RIFF" + le32(36 + data) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(8000) +
           le32(16000) + le16(2) + le16(16) + "data" + le32(data) + std::string(data, '\0');
}

using AlarmPlatformSound = Sandbox;

// A sound server of the test's own: PulseAudio with only a null sink, in a
// folder of its own, so that a sound really plays, in real time, on any
// machine and with nobody hearing it.
class PrivateSoundServer {
public:
    // Empty when the server runs, else why it could not be started.
    QString Start() {
        const QString program = QStandardPaths::findExecutable("pulseaudio");
        if (program.isEmpty())
            return "the pulseaudio program is not installed";
        if (!folder_.isValid())
            return "no temporary folder";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME", "XDG_STATE_HOME"})
            env.insert(name, folder_.path());
        env.remove("PULSE_SERVER");
        daemon_.setProcessEnvironment(env);
        daemon_.setProcessChannelMode(QProcess::MergedChannels);
        daemon_.start(program, {"--daemonize=no", "-n", "--exit-idle-time=-1", "--use-pid-file=no",
                                "--log-target=stderr", "--log-level=info",
                                "--load=module-native-protocol-unix socket=" + SocketPath() +
                                    " auth-anonymous=1",
                                "--load=module-null-sink"});
        if (!WaitForLog("Daemon startup complete"))
            return "the pulseaudio daemon did not start: " + log_.right(600);
        return {};
    }
    ~PrivateSoundServer() {
        if (daemon_.state() != QProcess::NotRunning) {
            daemon_.terminate();
            if (!daemon_.waitForFinished(5000))
                daemon_.kill();
            daemon_.waitForFinished(5000);
        }
    }
    QString SocketPath() const { return folder_.filePath("native"); }
    // Reads the daemon's log until `text` shows, the daemon ends or ten
    // seconds pass without a line.
    bool WaitForLog(const QString& text) {
        for (;;) {
            log_ += QString::fromLocal8Bit(daemon_.readAll());
            if (log_.contains(text))
                return true;
            if (!daemon_.waitForReadyRead(10000))
                return false;
        }
    }
    const QString& Log() const { return log_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString log_;
};

TEST_F(AlarmPlatformSound, AWavPlaysToItsEndAndNothingElseRunsMeanwhile) {
    PrivateSoundServer server;
    if (const QString why = server.Start(); !why.isEmpty())
        GTEST_SKIP() << "no private sound server, so no real playback: " << why.toStdString();
    EnvironmentGuard env;
    env.Set("PULSE_SERVER", "unix:" + server.SocketPath().toUtf8());
    // The client keeps its cookie in the sandbox, never in the user's home.
    for (const char* name : {"HOME", "XDG_CONFIG_HOME"})
        env.Set(name, QDir::currentPath().toUtf8());
    WriteFile("half.wav", SilentWav(4000));  // half a second at 8000 Hz

    // Whatever the program has pending must wait for the sound's end: a
    // timer that is due at once, and a call queued for the event loop.
    int ticks = 0;
    int calls = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start();
    QMetaObject::invokeMethod(
        &timer, [&] { ++calls; }, Qt::QueuedConnection);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(Sound::PlayWav("half.wav"), "");
    EXPECT_GE(clock.elapsed(), 500);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(calls, 0);
    EXPECT_TRUE(server.WaitForLog("\"Prayer call\" on null")) << server.Log().toStdString();

    // Afterwards they run as usual.
    QCoreApplication::processEvents();
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(AlarmPlatformSound, RealPlayerFailureTexts) {
    WriteFile("notes.wav", "this is no sound at all\r\n");
    const AnsiString notSound = Sound::PlayWav("notes.wav");
    EXPECT_EQ(notSound.rfind("Cannot play file notes.wav: ", 0), 0u) << notSound;

    EXPECT_EQ(Sound::PlayWav("missing.wav"), "Cannot open file missing.wav");
    QDir().mkdir("folder.wav");
    EXPECT_EQ(Sound::PlayWav("folder.wav").rfind("Cannot play file folder.wav: ", 0), 0u);

    // A sound that decodes, with the server out of reach: the wait ends
    // and the failure is told.
    EnvironmentGuard env;
    env.Set("PULSE_SERVER", "unix:/nonexistent/vidur-test/native");
    WriteFile("short.wav", SilentWav(80));
    const AnsiString noServer = Sound::PlayWav("short.wav");
    EXPECT_EQ(noServer.rfind("No sound server: ", 0), 0u) << noServer;
}

TEST(AlarmPlatformTray, MouseActionsBecomeTheTwoCodes) {
    std::vector<int> codes;
    TTrayIcon tray(nullptr, [&](int code) { codes.push_back(code); });
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    const QIcon picture(pixmap);
    EXPECT_FALSE(tray.Shown());
    tray.Add(AnsiString(200, 't'), picture);
    EXPECT_TRUE(tray.Shown());
    EXPECT_EQ(TrayTip(tray), AnsiString(127, 't'));
    tray.Add("Fajr at 05:12:00", picture);  // a second Add replaces the first
    EXPECT_EQ(TrayTip(tray), "Fajr at 05:12:00");
    EXPECT_EQ(tray.findChildren<QSystemTrayIcon*>().size(), 1);

    ActivateTrayIcon(tray, QSystemTrayIcon::DoubleClick);
    ActivateTrayIcon(tray, QSystemTrayIcon::Context);
    EXPECT_EQ(codes, (std::vector<int>{515, 516}));

    // What the desktop reports: a double click and the context request map
    // to the codes; a single click and a middle click to nothing.
    codes.clear();
    auto* icon = tray.findChild<QSystemTrayIcon*>();
    ASSERT_NE(icon, nullptr);
    for (auto reason : {QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Trigger,
                        QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
        emit icon->activated(reason);
    EXPECT_EQ(codes, (std::vector<int>{515, 516}));

    tray.Remove();
    EXPECT_FALSE(tray.Shown());
}

TEST(AlarmPlatformTray, AnIconWithoutAreaShowsWhenOneComes) {
    SetNotificationArea(false);
    int appeared = 0;
    TTrayIcon tray(nullptr, {}, [&] { ++appeared; });
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    tray.Add("Next: Fajr", QIcon(pixmap));
    const QPointer<QSystemTrayIcon> first = tray.findChild<QSystemTrayIcon*>();
    tray.CheckArea();
    EXPECT_EQ(appeared, 0);
    EXPECT_TRUE(tray.Shown());
    EXPECT_FALSE(tray.Visible());

    SetNotificationArea(true);
    tray.CheckArea();
    EXPECT_EQ(appeared, 1);
    EXPECT_TRUE(tray.Visible());
    EXPECT_EQ(TrayTip(tray), "Next: Fajr");
    // A fresh icon, made for the area that is there now.
    EXPECT_TRUE(first.isNull());
    const auto icons = tray.findChildren<QSystemTrayIcon*>();
    ASSERT_EQ(icons.size(), 1);
    EXPECT_TRUE(icons[0]->isVisible());
    tray.CheckArea();  // it waits no more
    EXPECT_EQ(appeared, 1);

    // A removed icon waits for nothing.
    SetNotificationArea(false);
    tray.Add("Next: Zohr", QIcon(pixmap));
    tray.Remove();
    SetNotificationArea(true);
    tray.CheckArea();
    EXPECT_EQ(appeared, 1);
    SetNotificationArea(std::nullopt);
}

// The window manager's state of a window on the X server, as it reads it.
bool SkipsTaskbar(QWidget& window) {
    QCoreApplication::processEvents();
    xcb_connection_t* c = qApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply->atom;
        std::free(reply);
        return a;
    };
    xcb_get_property_reply_t* reply =
        xcb_get_property_reply(c,
                               xcb_get_property(c, 0, static_cast<xcb_window_t>(window.winId()),
                                                atom("_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64),
                               nullptr);
    bool skips = false;
    if (reply && reply->format == 32) {
        const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            skips = skips || atoms[i] == atom("_NET_WM_STATE_SKIP_TASKBAR");
    }
    std::free(reply);
    return skips;
}

// The part of the test below that runs in a copy of this program on an X
// server of its own.
void CheckTaskbarStateOnX11() {
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    ASSERT_TRUE(x11 && x11->connection()) << "needs Qt on an X server";
    QWidget window;
    QLabel title("Miravel", &window);  // a window with something in it
    EXPECT_TRUE(HasTaskbarEntry(&window));
    SetTaskbarEntry(&window, false);
    window.show();
    EXPECT_TRUE(SkipsTaskbar(window));
    window.hide();
    window.show();  // withdrawn and mapped again: still out of the task bar
    EXPECT_TRUE(SkipsTaskbar(window));
    window.hide();
    SetTaskbarEntry(&window, true);
    window.show();
    EXPECT_FALSE(SkipsTaskbar(window));
}

TEST(AlarmPlatformTaskbar, AWindowLeavesTheTaskbarOnARealXServer) {
    if (qEnvironmentVariableIsSet("MIRAVEL_ON_X_SERVER")) {
        CheckTaskbarStateOnX11();
        return;
    }
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty())
        GTEST_SKIP() << "Xvfb is not installed";
    QProcess server;
    server.start(xvfb, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "640x480x24"});
    QByteArray display;
    while (!display.contains('\n') && server.waitForReadyRead(10000))
        display += server.readAllStandardOutput();
    if (display.trimmed().isEmpty())
        GTEST_SKIP() << "Xvfb did not start";
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", ":" + QString::fromLatin1(display.trimmed()));
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("MIRAVEL_ON_X_SERVER", "1");
    // That copy loads the desktop's own libraries (D-Bus and the rest), whose
    // leaks are not ours; this process is checked for leaks as every test is.
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(),
                {"--gtest_filter=AlarmPlatformTaskbar.AWindowLeavesTheTaskbarOnARealXServer"});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
    server.terminate();
    server.waitForFinished(5000);
}

class AlarmPlatformSingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        SingleInstance::SetLockFolder(folder.path());
    }
    void TearDown() override { SingleInstance::SetLockFolder(QString()); }
    QTemporaryDir folder;
};

TEST_F(AlarmPlatformSingleInstance, SecondCopyFailsWhileTheFirstHoldsTheLock) {
    auto first = std::make_unique<SingleInstance>("VidurMutex");
    ASSERT_TRUE(first->Acquire());
    EXPECT_TRUE(first->Acquire());  // asking again keeps it
    EXPECT_TRUE(QFile::exists(folder.filePath("VidurMutex.lock")));

    SingleInstance second("VidurMutex");
    EXPECT_FALSE(second.Acquire());
    SingleInstance other("OtherMutex");
    EXPECT_TRUE(other.Acquire());

    first.reset();
    EXPECT_FALSE(QFile::exists(folder.filePath("VidurMutex.lock")));
    EXPECT_TRUE(second.Acquire());
}

TEST_F(AlarmPlatformSingleInstance, StaleLockOfAGoneProcessIsTakenOver) {
    // A process id that no process has.
    qint64 pid = 4000000;
    while (QFile::exists(QString("/proc/%1").arg(pid)))
        ++pid;
    QFile lock(folder.filePath("VidurMutex.lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(pid) + "\nvidur\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();

    SingleInstance instance("VidurMutex");
    EXPECT_TRUE(instance.Acquire());
    SingleInstance second("VidurMutex");
    EXPECT_FALSE(second.Acquire());
}

TEST_F(AlarmPlatformSingleInstance, ALaterStartKnocksOnTheRunningCopy) {
    // A socket file left behind by a copy that crashed is no obstacle.
    QFile stale(folder.filePath("VidurMutex.socket"));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstance running("VidurMutex");
    ASSERT_TRUE(running.Acquire());
    SingleInstance later("VidurMutex");
    EXPECT_FALSE(later.Knock());  // nobody listens yet
    int knocks = 0;
    running.Listen([&] { ++knocks; });

    ASSERT_FALSE(later.Acquire());
    EXPECT_TRUE(later.Knock());
    EXPECT_TRUE(later.Knock());
    QDeadlineTimer deadline(10000);
    while (knocks < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    EXPECT_EQ(knocks, 2);
}

// The real folder, shared with every other process of this user: a name of
// this test's own keeps it apart from a running alarm and from other tests.
TEST(AlarmPlatformSingleInstanceFolder, TheSameLockWhateverTheEnvironment) {
    const QString folder = SingleInstance::UserRuntimeFolder();
    ASSERT_FALSE(folder.isEmpty());
    const AnsiString name =
        "VidurTest" + FromQString(QString::number(QCoreApplication::applicationPid()));
    SingleInstance first(name);
    ASSERT_TRUE(first.Acquire());
    EXPECT_TRUE(QFile::exists(folder + "/" + ToQString(name) + ".lock"));

    QTemporaryDir elsewhere;
    const struct {
        const char* variable;
        QByteArray value;  // empty: unset
    } cases[] = {
        {"XDG_RUNTIME_DIR", ""},
        {"XDG_RUNTIME_DIR", elsewhere.path().toUtf8()},
        {"TMPDIR", elsewhere.path().toUtf8()},
        {"HOME", elsewhere.path().toUtf8()},
        {"USER", "somebody"},
    };
    for (const auto& c : cases) {
        EnvironmentGuard env;
        if (c.value.isEmpty())
            env.Unset(c.variable);
        else
            env.Set(c.variable, c.value);
        SingleInstance second(name);
        EXPECT_FALSE(second.Acquire()) << c.variable << "=" << c.value.toStdString();
    }
}

// A desktop of its own: the system's MIME database, and only the programs,
// lists and settings that a case writes. The view is asked in a process of
// its own with that desktop's folders.
class AlarmPlatformAssociations : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QFile::exists("/usr/share/mime/mime.cache"))
            GTEST_SKIP() << "the shared MIME database is not installed";
        wav = QMimeDatabase().mimeTypeForFile("x.wav", QMimeDatabase::MatchExtension);
        ASSERT_TRUE(wav.isValid());
    }

    // One case's desktop: files by their path under its folder, where "ROOT"
    // in a text stands for that folder; a file under "bin/" is a program.
    struct Desktop {
        std::map<QString, QByteArray> files;
        QByteArray currentDesktop = {};
    };
    // "1 value" or "0", one per key; the desktop's folder reads "ROOT".
    using Answers = std::vector<std::string>;

    static Answers Ask(const Desktop& desktop, const QStringList& keys) {
        QTemporaryDir root;
        EXPECT_TRUE(root.isValid());
        return Run(root, desktop, keys);
    }

    // Makes the desktop under `root` and runs the probe there with the
    // arguments; its output lines, the desktop's folder reading "ROOT". The
    // search path holds no program at all (no xdg-open either).
    static Answers Run(const QTemporaryDir& root, const Desktop& desktop,
                       const QStringList& arguments) {
        QDir dir(root.path());
        for (const char* sub : {"config", "etc", "data/applications", "sys", "path"})
            EXPECT_TRUE(dir.mkpath(sub));
        EXPECT_TRUE(QFile::link("/usr/share/mime", root.filePath("sys/mime")));
        for (const auto& [name, text] : desktop.files) {
            EXPECT_TRUE(dir.mkpath(QFileInfo(root.filePath(name)).path()));
            QFile file(root.filePath(name));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(text).replace("ROOT", root.path().toUtf8()));
            file.close();
            if (name.startsWith("bin/"))
                file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", root.path());
        env.insert("XDG_CONFIG_HOME", root.filePath("config"));
        env.insert("XDG_CONFIG_DIRS", root.filePath("etc"));
        env.insert("XDG_DATA_HOME", root.filePath("data"));
        env.insert("XDG_DATA_DIRS", root.filePath("sys"));
        env.insert("XDG_CURRENT_DESKTOP", desktop.currentDesktop);
        env.insert("PATH", root.filePath("path"));
        QProcess probe;
        probe.setProcessEnvironment(env);
        probe.start(ASSOCIATION_PROBE,
                    QStringList(arguments).replaceInStrings("ROOT", root.path()));
        EXPECT_TRUE(probe.waitForFinished(60000));
        EXPECT_EQ(probe.exitCode(), 0) << probe.readAllStandardError().toStdString();
        Answers answers;
        const QByteArray output =
            probe.readAllStandardOutput().replace(root.path().toUtf8(), "ROOT");
        for (const QByteArray& line : output.split('\n'))
            if (!line.isEmpty())
                answers.push_back(line.toStdString());
        return answers;
    }

    // A program in the desktop's folders, and its desktop entry.
    static std::pair<QString, QByteArray> Program(const QString& path) {
        return {"bin/" + path, "#!/bin/sh\n"};
    }
    static QByteArray Entry(const QByteArray& exec, const QByteArray& more = "") {
        return "[Desktop Entry]\nType=Application\nName=Player\nExec=" + exec + "\n" + more;
    }

    QMimeType wav;
};

TEST_F(AlarmPlatformAssociations, TheDesktopsOwnChoiceGivesTheCommand) {
    const QByteArray type = wav.name().toUtf8();
    const QByteArray declares = "MimeType=" + type + ";\n";
    // What the desktop's database tool writes for the programs that declare
    // a type.
    const auto declared = [&](const QByteArray& ids) {
        return std::pair<QString, QByteArray>{"data/applications/mimeinfo.cache",
                                              "[MIME Cache]\n" + type + "=" + ids + "\n"};
    };
    const auto player = Program("My Player/play");
    const auto other = Program("other");
    const QByteArray playerExec = "\"ROOT/bin/My Player/play\" --queue %U";
    const QByteArray otherExec = "ROOT/bin/other %f";
    struct Case {
        const char* what;
        Desktop desktop;
        const char* command;  // of ".wav\shell\open\command"; nullptr: no program
    };
    const Case cases[] = {
        {"an installed program that declares the type",
         {{player,
           {"data/applications/player.desktop", Entry(playerExec, declares)},
           declared("player.desktop;")}},
         playerExec},
        {"an added association of a program that declares nothing",
         {{player,
           {"data/applications/player.desktop", Entry(playerExec)},
           {"config/mimeapps.list", "[Added Associations]\n" + type + "=player.desktop;\n"}}},
         playerExec},
        {"the default of the desktop's own list before the common one",
         {{player,
           other,
           {"data/applications/player.desktop", Entry(playerExec, declares)},
           {"data/applications/other.desktop", Entry(otherExec, declares)},
           declared("player.desktop;other.desktop;"),
           {"config/mimeapps.list", "[Default Applications]\n" + type + "=player.desktop\n"},
           {"config/testdesk-mimeapps.list",
            "[Default Applications]\n" + type + "=other.desktop\n"}},
          "TestDesk"},
         otherExec},
        {"a default that is not installed is passed over; vendor folders count",
         {{player,
           other,
           {"data/applications/vendor/player.desktop", Entry(playerExec, declares)},
           {"data/applications/other.desktop", Entry(otherExec, declares)},
           declared("other.desktop;vendor-player.desktop;"),
           {"etc/mimeapps.list",
            "[Default Applications]\n" + type + "=missing.desktop;vendor-player.desktop\n"}}},
         playerExec},
        {"a program that is not there does not count",
         {{{"data/applications/player.desktop", Entry(playerExec, declares)},
           declared("player.desktop;")}},
         nullptr},
        {"nothing installed", {}, nullptr},
    };
    for (const Case& c : cases) {
        const Answers answers =
            Ask(c.desktop, {".wav\\shell\\open\\command", ".WAV\\shell\\open\\command", ".wav",
                            wav.name() + "\\shell\\open\\command"});
        const std::string command = c.command ? std::string("1 ") + c.command : "0";
        const std::string extension = c.command ? "1 " + type.toStdString() : "0";
        EXPECT_EQ(answers, (Answers{command, command, extension, command})) << c.what;
    }
}

TEST_F(AlarmPlatformAssociations, UnknownAndUnopenedExtensionsHaveNoKeys) {
    // Programs for sound files do not open ".rm" files, and nothing knows
    // ".qqzzvv"; malformed keys exist nowhere.
    const QByteArray type = wav.name().toUtf8();
    const Desktop desktop = {
        {Program("player"),
         {"data/applications/player.desktop",
          Entry("ROOT/bin/player %f", "MimeType=" + type + ";\n")},
         {"data/applications/mimeinfo.cache", "[MIME Cache]\n" + type + "=player.desktop;\n"}}};
    const Answers answers = Ask(desktop, {".rm", ".rm\\shell\\open\\command", ".qqzzvv",
                                          ".qqzzvv\\shell\\open\\command", ".", "", "wav", ".wav"});
    EXPECT_EQ(answers, (Answers{"0", "0", "0", "0", "0", "0", "0", "1 " + type.toStdString()}));
}

// A file opens in the program whose command the association gives, through
// the desktop's own launcher, also where no xdg-open is installed; a file
// that no program opens is told as not opened.
TEST_F(AlarmPlatformAssociations, AFileOpensInTheProgramTheDesktopNames) {
    const QByteArray type = wav.name().toUtf8();
    const Desktop desktop = {
        {{"bin/player", "#!/bin/sh\nprintf '%s\\n' \"$@\" > ROOT/opened.txt\n"},
         {"data/applications/player.desktop",
          Entry("ROOT/bin/player %f", "MimeType=" + type + ";\n")},
         {"data/applications/mimeinfo.cache", "[MIME Cache]\n" + type + "=player.desktop;\n"},
         {"sounds/call.wav", "RIFF"},
         {"sounds/call.qqzzvv", "?"}}};
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    EXPECT_EQ(Run(root, desktop, {"--open", "ROOT/sounds/call.qqzzvv", "ROOT/sounds/call.wav"}),
              (Answers{"not opened", "opened"}));

    // The program runs on its own: wait until it has written its line.
    const QString opened = root.filePath("opened.txt");
    QFileSystemWatcher watcher({root.path()});
    QDeadlineTimer deadline(20000);
    QByteArray line;
    while (!line.endsWith('\n') && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
        QFile file(opened);
        if (file.open(QIODevice::ReadOnly))
            line = file.readAll();
    }
    EXPECT_EQ(line.toStdString(), root.filePath("sounds/call.wav").toStdString() + "\n");
}

TEST(AlarmPlatformSystemTime, DaylightFlagFollowsClockAndZone) {
    EnvironmentGuard env;
    const struct {
        const char* zone;
        QDate date;
        QTime time;
        bool daylight;
    } cases[] = {
        {"Europe/London", {2026, 7, 1}, {12, 0}, true},
        {"Europe/London", {2026, 12, 10}, {12, 0}, false},
        {"Europe/London", {2026, 3, 29}, {0, 30}, false},  // before the change at 01:00
        {"Europe/London", {2026, 3, 29}, {2, 30}, true},
        {"Europe/London", {2026, 10, 25}, {3, 0}, false},
        {"UTC", {2026, 7, 1}, {12, 0}, false},
        {"Australia/Sydney", {2026, 12, 10}, {12, 0}, true},
    };
    for (const auto& c : cases) {
        env.Set("TZ", c.zone);
        Clock::SetFixed(QDateTime(c.date, c.time));
        EXPECT_EQ(DaylightSavingInEffect(), c.daylight)
            << c.zone << " " << qPrintable(c.date.toString());
    }
    Clock::Reset();
}

QtMessageHandler previousHandler = nullptr;
std::vector<std::pair<std::string, std::string>> logged;

void Capture(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtDebugMsg)
        logged.emplace_back(context.category ? context.category : "", text.toStdString());
}

TEST(AlarmPlatformSystemTime, DebugOutputOnlyWhenItsCategoryIsSwitchedOn) {
    logged.clear();
    previousHandler = qInstallMessageHandler(Capture);
    OutputDebugString("sunrise");  // a normal run prints nothing
    QLoggingCategory::setFilterRules("vidur.debug.debug=true");
    OutputDebugString("next event: Fajr");
    QLoggingCategory::setFilterRules("");
    OutputDebugString("sunset");
    qInstallMessageHandler(previousHandler);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].first, "vidur.debug");
    EXPECT_EQ(logged[0].second, "next event: Fajr");
}

}  // namespace
