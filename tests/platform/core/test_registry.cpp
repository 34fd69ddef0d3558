#include "platform/core/Exceptions.h"
#include "platform/core/Registry.h"
#include "tests/support/OtherProgram.h"
#include "tests/support/PermissionsBind.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QTemporaryDir dir;
};

constexpr const char* kKey = "SOFTWARE\\Kestrun\\Current_location";

TEST_F(RegistryTest, ValuesPersistAcrossANewObjectOnTheSameKey) {
    {
        TRegistry r;
        ASSERT_TRUE(r.OpenKey(kKey, true));
        r.WriteString("Location", "New York City, USA");
        r.WriteString("TimeZone", "-5.0");
        r.CloseKey();
    }
    EXPECT_TRUE(QFile::exists(dir.path() + "/Kestrun/Current_location.conf"));
    TRegistry again;
    ASSERT_TRUE(again.OpenKey(kKey, false));
    EXPECT_EQ(again.ReadString("Location"), "New York City, USA");
    EXPECT_EQ(again.ReadString("TimeZone"), "-5.0");
    EXPECT_TRUE(again.ValueExists("Location"));
    EXPECT_FALSE(again.ValueExists("location"));  // names are kept exactly
    EXPECT_EQ(again.ReadString("Missing"), "");
}

TEST_F(RegistryTest, AMissingKeyIsNotOpenedWithoutCreate) {
    TRegistry r;
    EXPECT_FALSE(r.OpenKey("SOFTWARE\\Nobody\\Nothing", false));
    EXPECT_THROW(r.ReadString("x"), ERegistryException);
    EXPECT_THROW(r.WriteString("x", "1"), ERegistryException);
}

TEST_F(RegistryTest, AWriteThatCannotReachTheStoreThrows) {
    // A folder where the store's file should be: nothing can be written there.
    ASSERT_TRUE(QDir(dir.path()).mkpath("Kestrun/Current_location.conf"));
    TRegistry r;
    r.OpenKey(kKey, true);
    EXPECT_THROW(r.WriteString("ShowMessage", "0"), ERegistryException);
}

// ---- the store shared with the other program

class SharedStoreTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        ASSERT_TRUE(key.OpenKey(kKey, true));
    }
    QString StorePath() const { return dir.path() + "/Kestrun/Current_location.conf"; }
    std::string StoreText() const {
        QFile f(StorePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }
    void WriteStore(const std::string& text) const {
        ASSERT_TRUE(QDir(dir.path()).mkpath("Kestrun"));
        QFile f(StorePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.data(), static_cast<qint64>(text.size()));
    }
    void OtherProgramWrites(const AnsiString& name, const AnsiString& value) const {
        ASSERT_TRUE(WriteSettingInOtherProgram(dir.path(), name, value)) << name;
    }

    TRegistry key;  // open all along, as the programs keep theirs
};

TEST_F(SharedStoreTest, ReadsSeeWhatTheOtherProgramWrote) {
    key.WriteString("AutoUpdate", "1");
    key.WriteString("Location", "New York City, USA");
    ASSERT_EQ(key.ReadString("AutoUpdate"), "1");
    // Rewrites of the same length, one right after the other.
    for (const char* value : {"0", "1", "0"}) {
        OtherProgramWrites("AutoUpdate", value);
        EXPECT_EQ(key.ReadString("AutoUpdate"), value);
    }
    OtherProgramWrites("Location", "Karachi, Pakistan");
    EXPECT_EQ(key.ReadString("Location"), "Karachi, Pakistan");
    OtherProgramWrites("DayLightSavings", "1");
    EXPECT_TRUE(key.ValueExists("DayLightSavings"));
    // A write of this program keeps what the other one wrote.
    key.WriteString("TimeZone", "5");
    EXPECT_EQ(key.ReadString("Location"), "Karachi, Pakistan");
    EXPECT_EQ(key.ReadString("DayLightSavings"), "1");
    EXPECT_EQ(key.ReadString("AutoUpdate"), "0");
}

// A writer killed right after making the lock file leaves it empty: the
// next write takes it over at once instead of waiting for it to age.
TEST_F(SharedStoreTest, AnEmptyLockFileLeftBehindIsTakenOverAtOnce) {
    key.WriteString("Location", "Pune");
    const auto leaveEmptyLock = [&] {
        QFile lock(StorePath() + ".lock");
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    };
    leaveEmptyLock();
    EXPECT_NO_THROW(key.WriteString("Location", "Karachi, Pakistan"));
    EXPECT_EQ(key.ReadString("Location"), "Karachi, Pakistan");
    EXPECT_FALSE(QFile::exists(StorePath() + ".lock"));

    leaveEmptyLock();
    OtherProgramWrites("TimeZone", "5");  // nor is the other program held up
    EXPECT_EQ(key.ReadString("TimeZone"), "5");
}

TEST_F(SharedStoreTest, HandWrittenValuesReadAsTheirText) {
    const struct {
        std::string line;
        AnsiString text;
    } cases[] = {
        {"Location=Karachi, Pakistan", "Karachi, Pakistan"},
        {"Location = Karachi,Pakistan  ", "Karachi,Pakistan"},
        {"Location=\"Karachi, Pakistan\"", "Karachi, Pakistan"},
        {"Location=Karachi, Pakistan ; my place", "Karachi, Pakistan"},
        {"Location=\"a; b\"  ; ok", "a; b"},
        {"Location=\"Karachi,\"  Pakistan", "Karachi,Pakistan"},
        {"Location=\"  padded \"", "  padded "},
        {"Location=Z\xC3\xBCrich", "Z\xFCrich"},  // UTF-8 as an editor saves it
        {"Location=Z\\xfcrich", "Z\xFCrich"},     // as QSettings may escape it
        {"Location=say \\\"hi\\\" \\\\ bye", "say \"hi\" \\ bye"},
        {"Location=@@home", "@home"},
        {"Location=", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        WriteStore("[General]\n" + c.line + "\nTimeZone=5\n");
        EXPECT_EQ(key.ReadString("Location"), c.text);
        EXPECT_EQ(key.ReadString("TimeZone"), "5");
    }
    // Where a value sits: before any section, in "[general]", twice (the last
    // counts), or only in another section (not this key's value at all).
    const struct {
        std::string text;
        AnsiString location;
    } places[] = {
        {"Location=Pune\r\n[Other]\r\nLocation=Delhi\r\n", "Pune"},
        {"[general]\nLocation=Pune\n", "Pune"},
        {"[General]\nLocation=Pune\nLocation=Delhi\n", "Delhi"},
        {"[Other]\nLocation=Delhi\n", ""},
    };
    for (const auto& p : places) {
        WriteStore(p.text);
        EXPECT_EQ(key.ReadString("Location"), p.location) << p.text;
    }
}

TEST_F(SharedStoreTest, AWriteChangesOnlyItsOwnLine) {
    WriteStore("; written by hand\r\n[General]\r\nLocation=Karachi, Pakistan\r\n"
               "ShowMessage=1\r\n\r\n[Other]\r\nShowMessage=7\r\n");
    key.WriteString("ShowMessage", "0");
    key.WriteString("TimeZone", "5");
    EXPECT_EQ(StoreText(), "; written by hand\r\n[General]\r\nLocation=Karachi, Pakistan\r\n"
                           "ShowMessage=0\r\nTimeZone=5\r\n\r\n[Other]\r\nShowMessage=7\r\n");
    WriteStore("[Other]\nx=1");
    key.WriteString("Location", "Pune");
    EXPECT_EQ(StoreText(), "[Other]\nx=1\n\n[General]\nLocation=Pune\n");
}

// A new value goes after the last one of its section's last stretch, or
// right under its header when the section holds none yet.
TEST_F(SharedStoreTest, ANewValueGoesUnderItsOwnHeader) {
    const struct {
        std::string before, after;
    } cases[] = {
        {"[Other]\nx=1\n[General]\n", "[Other]\nx=1\n[General]\nLocation=Pune\n"},
        {"[Other]\r\nx=1\r\n[General]\r\n\r\n[Third]\r\ny=2\r\n",
         "[Other]\r\nx=1\r\n[General]\r\nLocation=Pune\r\n\r\n[Third]\r\ny=2\r\n"},
        {"[General]\n[Other]\nLocation=Delhi\n",
         "[General]\nLocation=Pune\n[Other]\nLocation=Delhi\n"},
        {"[General]\nTimeZone=5\n[Other]\nx=1\n[General]\n",
         "[General]\nTimeZone=5\n[Other]\nx=1\n[General]\nLocation=Pune\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.before);
        WriteStore(c.before);
        key.WriteString("Location", "Pune");
        EXPECT_EQ(StoreText(), c.after);
        EXPECT_EQ(key.ReadString("Location"), "Pune");
    }
}

// A store that is there but cannot be read is never taken for an empty one:
// a write would otherwise replace every value with its own.
TEST_F(SharedStoreTest, AStoreThatCannotBeReadIsNeverReplaced) {
    const std::string text = "[General]\nLocation=Karachi, Pakistan\nTimeZone=5\n";
    WriteStore(text);
    ASSERT_TRUE(QFile::setPermissions(StorePath(), QFileDevice::WriteOwner));
    {
        PermissionsBind bind;
        if (QFile probe(StorePath()); probe.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "file permissions do not bind here";
        EXPECT_THROW(key.ReadString("Location"), ERegistryException);
        EXPECT_FALSE(key.ValueExists("Location"));
        EXPECT_THROW(key.WriteString("ShowMessage", "0"), ERegistryException);
    }
    ASSERT_TRUE(
        QFile::setPermissions(StorePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    EXPECT_EQ(StoreText(), text);
    EXPECT_EQ(key.ReadString("Location"), "Karachi, Pakistan");
}

// What this program writes, QSettings (and so a user's tools) reads alike,
// and it reads back as written.
TEST_F(SharedStoreTest, WrittenValuesReadTheSameEverywhere) {
    const AnsiString values[] = {"Karachi, Pakistan",
                                 " padded ",
                                 "a;b=c",
                                 "say \"hi\" \\ bye",
                                 "@home",
                                 "Z\xFCrich",
                                 "tab\there",
                                 "\x01"
                                 "7",
                                 ""};
    TRegistry store;
    ASSERT_TRUE(store.OpenKey("SOFTWARE\\Kestrun\\Written", true));
    for (std::size_t i = 0; i < std::size(values); ++i)
        store.WriteString("v" + IntToStr(static_cast<long long>(i)), values[i]);
    const QSettings settings(dir.path() + "/Kestrun/Written.conf", QSettings::IniFormat);
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const AnsiString name = "v" + IntToStr(static_cast<long long>(i));
        EXPECT_EQ(store.ReadString(name), values[i]) << i;
        EXPECT_EQ(settings.value(ToQString(name)).toString(), ToQString(values[i])) << i;
    }
    EXPECT_EQ(settings.status(), QSettings::NoError);
}

}  // namespace
