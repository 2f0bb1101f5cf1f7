#include "common/arrays.h"
#include "common/file_lookup.h"
#include "common/framed_records.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

class TempFolder : public ::testing::Test {
  protected:
    const test_support::TemporaryFolder work{"common_files"};
    const fs::path& dir = work.path();
    void touch(const fs::path& p) { std::ofstream(p) << "x"; }
};

using CaseInsensitiveLookup = TempFolder;

TEST_F(CaseInsensitiveLookup, FindsNamesAndPathsInAnyCase) {
    fs::create_directories(dir / "Data" / "Climate");
    touch(dir / "scratch");
    touch(dir / "Data" / "Climate" / "climat07.TXT");
    EXPECT_EQ(common::findCaseInsensitive(dir, "SCRATCH"), dir / "scratch");
    EXPECT_EQ(common::findCaseInsensitive(dir, "DATA\\climate\\CLIMAT07.txt"),
              dir / "Data" / "Climate" / "climat07.TXT");
    EXPECT_EQ(common::findCaseInsensitive(dir, "data/Climate"), dir / "Data" / "Climate");
    EXPECT_FALSE(common::findCaseInsensitive(dir, "Data/Occupant").has_value());
    EXPECT_FALSE(common::findCaseInsensitive(dir / "missing", "scratch").has_value());
}

TEST_F(CaseInsensitiveLookup, PrefersTheExactSpellingAndResolvesForWriting) {
    touch(dir / "energy.txt");
    touch(dir / "ENERGY.TXT");
    EXPECT_EQ(common::findCaseInsensitive(dir, "ENERGY.TXT"), dir / "ENERGY.TXT");
    fs::remove(dir / "ENERGY.TXT");
    EXPECT_EQ(common::resolveForWriting(dir, "ENERGY.TXT"), dir / "energy.txt");
    fs::create_directories(dir / "OUTPUT");
    EXPECT_EQ(common::resolveForWriting(dir, "output/New.RTF"), dir / "OUTPUT" / "New.RTF");
}

using FramedRecords = TempFolder;

TEST_F(FramedRecords, RoundTripValuesAndTexts) {
    const auto file = dir / "matdata.bin";
    {
        common::RecordWriter w(file);
        common::Record r;
        r.put<std::int32_t>(902);
        r.put<double>(1.5);
        r.putText("Earth", 8);
        w.write(r);
        r.clear();
        w.write(r); // an empty record is legal
        w.close();
    }
    EXPECT_EQ(fs::file_size(file), 4u + 4 + 8 + 8 + 4 + 4 + 4);
    common::RecordReader reader(file);
    common::Record r;
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.get<std::int32_t>(), 902);
    EXPECT_EQ(r.get<double>(), 1.5);
    EXPECT_EQ(r.getText(8), "Earth   ");
    EXPECT_THROW(r.get<std::int32_t>(), common::RecordError) << "reading past the record";
    ASSERT_TRUE(reader.next(r));
    EXPECT_EQ(r.size(), 0u);
    EXPECT_FALSE(reader.next(r));
}

TEST_F(FramedRecords, TruncatedOrCorruptFilesAreErrors) {
    const auto file = dir / "tape52";
    {
        common::RecordWriter w(file);
        common::Record r;
        for (int i = 0; i < 10; ++i) r.put<std::int32_t>(i);
        w.write(r);
        w.close();
    }
    for (std::uintmax_t cut : {46u, 30u, 2u}) {
        fs::resize_file(file, cut);
        common::RecordReader reader(file);
        common::Record r;
        EXPECT_THROW(reader.next(r), common::RecordError) << "cut at " << cut;
    }
    EXPECT_THROW(common::RecordReader(dir / "missing.bin"), common::RecordError);
}

// A damaged length (here 4 GB) is refused against the size of the file before any room is made for
// the record, and the error names the file.
TEST_F(FramedRecords, LengthLongerThanTheRestOfTheFileIsRefusedBeforeReading) {
    const auto file = dir / "matdata.bin";
    {
        common::RecordWriter w(file);
        common::Record r;
        r.put<std::int32_t>(7);
        w.write(r);
        w.write(r);
        w.close();
    }
    {
        std::fstream f(file, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(12);
        const char huge[4] = {'\xf0', '\xff', '\xff', '\xff'};
        f.write(huge, 4);
    }
    common::RecordReader reader(file);
    common::Record r;
    ASSERT_TRUE(reader.next(r));
    try {
        reader.next(r);
        FAIL() << "a 4 GB record in a 24-byte file was taken";
    } catch (const common::RecordError& e) {
        EXPECT_NE(std::string(e.what()).find("longer than the rest of the file"), std::string::npos)
            << e.what();
        EXPECT_NE(std::string(e.what()).find(file.string()), std::string::npos) << e.what();
    }
    // After a rewind the first record is read again.
    reader.rewind();
    EXPECT_TRUE(reader.next(r));
    EXPECT_EQ(r.get<std::int32_t>(), 7);
}

TEST(IndexedArrays, AreOneBasedAndColumnMajor) {
    common::FixedArray1<int, 0, 50> walls;
    walls(0) = 1;
    walls(50) = 2;
    EXPECT_EQ(walls.data()[50], 2);
    common::FixedArray2<double, 1, 3, 1, 2> m;
    m(2, 1) = 5;
    m(1, 2) = 7;
    EXPECT_EQ(m.data()[1], 5);
    EXPECT_EQ(m.data()[3], 7);
    common::Array2<float> drive(1, 601, 1, 24);
    drive(601, 24) = 9;
    EXPECT_EQ(drive.size(), 601u * 24);
    EXPECT_EQ(drive.column(24)[600], 9);
    common::Array3<int> a(1, 2, 1, 3, 602, 603);
    a(2, 3, 603) = 4;
    EXPECT_EQ(a.data()[a.size() - 1], 4);
    common::Array1<int> rows(602, 751);
    rows(751) = 3;
    EXPECT_EQ(rows.data()[149], 3);
}

} // namespace
