#include "Exceptions.h"
#include "Registry.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

}  // namespace
