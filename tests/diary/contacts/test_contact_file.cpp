#include "diary/contacts/ContactFile.h"
#include "tests/support/Sandbox.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace {

// Little-endian bytes of a 32-bit and a 16-bit number, written out by hand.
std::string Le32(std::uint32_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
            static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
}
std::string Le16(std::uint16_t v) {
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

TContactRecord Contact(const AnsiString& first, const AnsiString& last) {
    TContactRecord r;
    r.firstName = first;
    r.lastName = last;
    r.birth = NoContactDate();
    r.anniversary = NoContactDate();
    return r;
}

std::string Bytes(const TContactRecord& r) {
    const ContactRecordBytes b = PackContactRecord(r);
    return std::string(b.begin(), b.end());
}

// A file of records numbered from 1, as appending would have made it.
std::string FileOf(std::initializer_list<const char*> firstNames) {
    std::string bytes;
    std::int16_t n = 0;
    for (const char* name : firstNames) {
        TContactRecord r = Contact(name, "Last");
        r.number = ++n;
        bytes += Bytes(r);
    }
    return bytes;
}

class ContactFileTest : public Sandbox {};

TEST(ContactFileLayout, EveryFieldAtItsOffset) {
    TContactRecord r;
    r.title = "Dr.";
    r.firstName = "Amina";
    r.lastName = "Rahman";
    r.address1 = "12 Mill Road";
    r.address2 = "Flat 3";
    r.city = "Leeds";
    r.state = "Yorkshire";
    r.zip = "123456789";  // 9 characters: the terminator still fits
    r.country = "United Kingdom";
    r.homePhone = "0113 496 0000";
    r.workPhone = "0113 496 0001";
    r.fax = "0113 496 0002";
    r.beeper = "07700 900000";
    r.email = "amina@example.org";
    r.web = "www.example.org";
    r.birth = TMisri::Raw(5, 2, 1418);  // 5 Safar
    r.anniversary = NoContactDate();
    r.number = 258;
    r.deleted = 0;

    std::string expected(428, '\0');
    auto put = [&](std::size_t at, const std::string& s) { expected.replace(at, s.size(), s); };
    put(0, "Dr.");
    put(15, "Amina");
    put(40, "Rahman");
    put(65, "12 Mill Road");
    put(90, "Flat 3");
    put(115, "Leeds");
    put(135, "Yorkshire");
    put(150, "123456789");
    put(160, "United Kingdom");
    put(175, "0113 496 0000");
    put(195, "0113 496 0001");
    put(215, "0113 496 0002");
    put(235, "07700 900000");
    put(255, "amina@example.org");
    put(325, "www.example.org");
    put(400, Le32(2) + Le32(1418) + Le32(5));
    put(412, Le32(1) + Le32(4000) + Le32(1));
    put(424, Le16(258) + Le16(0));
    EXPECT_EQ(Bytes(r), expected);
    EXPECT_EQ(expected[159], '\0');  // the zip's terminator inside its field

    const TContactRecord back = UnpackContactRecord(PackContactRecord(r));
    EXPECT_EQ(back.zip, "123456789");
    EXPECT_EQ(back.country, "United Kingdom");
    EXPECT_EQ(back.birth, TMisri::Raw(5, 2, 1418));
    EXPECT_EQ(back.anniversary, NoContactDate());
    EXPECT_EQ(back.number, 258);
}

TEST(ContactFileLayout, LongTextsAreCutInsideTheirFields) {
    TContactRecord r = Contact(AnsiString(30, 'F'), "Khan");
    r.email = AnsiString(80, 'e');
    r.web = AnsiString(80, 'w');
    const std::string b = Bytes(r);
    EXPECT_EQ(b.substr(15, 25), std::string(24, 'F') + '\0');
    EXPECT_EQ(b.substr(40, 5), std::string("Khan\0", 5));
    EXPECT_EQ(b.substr(255, 70), std::string(69, 'e') + '\0');
    EXPECT_EQ(b.substr(325, 75), std::string(74, 'w') + '\0');
    const TContactRecord back = UnpackContactRecord(PackContactRecord(r));
    EXPECT_EQ(back.firstName, AnsiString(24, 'F'));
    EXPECT_EQ(back.lastName, "Khan");
}

TEST(ContactFileLayout, ReadersStopAtTheNulOrTheFieldEnd) {
    ContactRecordBytes b{};
    std::memset(&b[0], 'T', 15);  // a title without terminator
    std::memcpy(&b[15], "Ali\0old name", 12);
    const TContactRecord r = UnpackContactRecord(b);
    EXPECT_EQ(r.title, AnsiString(15, 'T'));
    EXPECT_EQ(r.firstName, "Ali");
}

TEST(ContactFileLayout, TheNoDateValue) {
    EXPECT_EQ(NoContactDate(), TMisri::Raw(1, 1, 4000));
    EXPECT_EQ(Bytes(Contact("A", "B")).substr(400, 24),
              Le32(1) + Le32(4000) + Le32(1) + Le32(1) + Le32(4000) + Le32(1));
}

TEST_F(ContactFileTest, FirstAppendCreatesNumberOne) {
    TContactRecord r = Contact("Amina", "Rahman");
    r.deleted = 5;
    ASSERT_TRUE(AppendContact(r));
    EXPECT_EQ(r.number, 1);
    EXPECT_EQ(r.deleted, 0);
    const std::string file = ReadFile(ContactFileName);
    ASSERT_EQ(file.size(), 428u);
    EXPECT_EQ(file.substr(424, 4), Le16(1) + Le16(0));
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactFileTest, AppendNumbersAfterTheLastWholeRecord) {
    struct Case {
        const char* what;
        std::string file;
        int number;
        std::size_t offset;
    };
    const std::string three = FileOf({"a", "b", "c"});
    for (const Case& c : std::vector<Case>{
             {"three records", three, 4, 3 * 428},
             {"an empty file", "", 1, 0},
             {"a file shorter than a record", std::string(100, 'z'), 1, 0},
             {"a trailing partial record", three + std::string(50, 'z'), 4, 3 * 428},
         }) {
        WriteFile(ContactFileName, c.file);
        TContactRecord r = Contact("New", "One");
        ASSERT_TRUE(AppendContact(r)) << c.what;
        EXPECT_EQ(r.number, c.number) << c.what;
        const std::string after = ReadFile(ContactFileName);
        EXPECT_EQ(after.size(), c.offset + 428) << c.what;
        EXPECT_EQ(after.substr(0, c.offset), c.file.substr(0, c.offset)) << c.what;
        EXPECT_EQ(after.substr(c.offset), Bytes(r)) << c.what;
    }
}

TEST_F(ContactFileTest, AppendThatCannotOpenWritesNothing) {
    std::filesystem::create_directory(ContactFileName);  // not a file
    TContactRecord r = Contact("Lost", "Contact");
    EXPECT_FALSE(AppendContact(r));
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    EXPECT_EQ(responder->Boxes()[0].text, "Cannot create contact.dat");
}

TEST_F(ContactFileTest, EditRewritesOnlyItsRecord) {
    std::string before = FileOf({"a", "b", "c"});
    before[428 + 426] = 7;  // record 2 carries an odd deleted mark
    WriteFile(ContactFileName, before);
    {
        ContactFileEdit edit;
        ASSERT_TRUE(edit.Open());
        auto r = edit.Read(2);
        ASSERT_TRUE(r.has_value());
        EXPECT_EQ(r->firstName, "b");
        r->firstName = "Bilal";
        r->birth = TMisri::Raw(5, 2, 1418);
        ASSERT_TRUE(edit.Write(2, *r));
    }
    const std::string after = ReadFile(ContactFileName);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(after.substr(0, 428), before.substr(0, 428));
    EXPECT_EQ(after.substr(856), before.substr(856));
    const auto edited = ReadContact(2);
    ASSERT_TRUE(edited.has_value());
    EXPECT_EQ(edited->firstName, "Bilal");
    EXPECT_EQ(edited->birth, TMisri::Raw(5, 2, 1418));
    EXPECT_EQ(edited->number, 2);
    EXPECT_EQ(edited->deleted, 7);
}

TEST_F(ContactFileTest, EditOfAMissingFileFails) {
    ContactFileEdit edit;
    EXPECT_FALSE(edit.Open());
    EXPECT_FALSE(FileExists(ContactFileName));
    ASSERT_EQ(responder->Boxes().size(), 1u);
    EXPECT_EQ(responder->Boxes()[0].caption, "Error");
    EXPECT_EQ(responder->Boxes()[0].text, "Unable to open file 'contact.dat'");
}

TEST_F(ContactFileTest, ReadingAMissingFileGivesNothingQuietly) {
    EXPECT_FALSE(ReadAllContacts().has_value());
    EXPECT_FALSE(ReadContact(1).has_value());
    EXPECT_TRUE(responder->Boxes().empty());
}

TEST_F(ContactFileTest, ReadAllStopsAtTheLastWholeRecord) {
    WriteFile(ContactFileName, FileOf({"a", "b"}) + std::string(427, 'p'));
    const auto all = ReadAllContacts();
    ASSERT_TRUE(all.has_value());
    ASSERT_EQ(all->size(), 2u);
    EXPECT_EQ((*all)[0].firstName, "a");
    EXPECT_EQ((*all)[1].firstName, "b");
    EXPECT_EQ((*all)[1].number, 2);
    EXPECT_FALSE(ReadContact(3).has_value());
    EXPECT_FALSE(ReadContact(0).has_value());

    WriteFile(ContactFileName, "");
    ASSERT_TRUE(ReadAllContacts().has_value());
    EXPECT_TRUE(ReadAllContacts()->empty());
}

}  // namespace
