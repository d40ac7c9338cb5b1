#include "records/winners_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "records/start_trial.h"

namespace tallimor {
namespace {

namespace fs = std::filesystem;

class WinnersFileTest : public ::testing::Test {
   protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("tallimor-winners-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                   "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, ec);
        fs::remove_all(folder_);
    }

    std::vector<uint8_t> FileBytes(int colours) const {
        std::ifstream in(Winnerspath(folder_, colours), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void PutFile(int colours, const std::vector<uint8_t>& bytes) const {
        fs::create_directories(folder_ / "Winners");
        std::ofstream out(Winnerspath(folder_, colours), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path folder_;
};

uint16_t U16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}
float FloatAt(const std::vector<uint8_t>& b, size_t at) {
    uint32_t bits = static_cast<uint32_t>(b.at(at)) | (static_cast<uint32_t>(b.at(at + 1)) << 8) |
                    (static_cast<uint32_t>(b.at(at + 2)) << 16) | (static_cast<uint32_t>(b.at(at + 3)) << 24);
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
}

TEST(WinnersIndexTest, ElementNumbersFollowTheFileOrder) {
    EXPECT_EQ(Settingindex(3, 1, 1, 1, 1), 0);
    EXPECT_EQ(Settingindex(4, 1, 1, 1, 1), 1);
    EXPECT_EQ(Settingindex(3, 2, 1, 1, 1), 11);
    EXPECT_EQ(Settingindex(3, 1, 2, 1, 1), 22);
    EXPECT_EQ(Settingindex(3, 1, 1, 2, 1), 44);
    EXPECT_EQ(Settingindex(3, 1, 1, 1, 2), 88);
    EXPECT_EQ(Settingindex(13, 2, 2, 2, 8), 703);
    EXPECT_EQ(Topindex(3, 1, 1, 1, 1, 4), 2816);
    EXPECT_EQ(Topindex(13, 2, 2, 2, 8, 4), 3519);
    EXPECT_EQ(Settingindex(14, 1, 1, 1, 1), -1);
    EXPECT_EQ(Settingindex(3, 1, 1, 1, 9), -1);
    EXPECT_EQ(Topindex(3, 1, 1, 1, 1, 5), -1);
}

TEST_F(WinnersFileTest, FileNamesPerColourCount) {
    EXPECT_EQ(Winnerspath(folder_, 10), folder_ / "Winners" / "Winners10");
    EXPECT_EQ(Winnerspath(folder_, 5), folder_ / "Winners" / "Winners5");
}

TEST_F(WinnersFileTest, AbsentEmptyAndShortFilesReadAsFresh) {
    WinnersRecord r;
    r.Toptime[0] = 5;
    WinnersResult result = Readwinners(folder_, 7, r);
    EXPECT_EQ(result.status, WinnersStatus::Fresh);
    EXPECT_TRUE(result.Usable());
    EXPECT_EQ(r.Toptime[0], 3600);
    EXPECT_EQ(r.Topattempts[3519], 27);
    EXPECT_EQ(r.Population[703], 0);
    EXPECT_EQ(r.Average[0], 0.0f);
    EXPECT_TRUE(r.Topname[17].empty());
    EXPECT_FALSE(fs::exists(Winnerspath(folder_, 7))) << "reading creates nothing";

    PutFile(7, {});
    EXPECT_EQ(Readwinners(folder_, 7, r).status, WinnersStatus::Fresh);
    PutFile(7, std::vector<uint8_t>(1000, 0x41));
    EXPECT_EQ(Readwinners(folder_, 7, r).status, WinnersStatus::Fresh);
    EXPECT_EQ(r.Toptime[5], 3600);
}

TEST_F(WinnersFileTest, WrittenBytesMatchTheLayout) {
    WinnersRecord r;
    const int place4 = Topindex(3, 1, 1, 1, 1, 4);  // element 2816
    r.Topname[static_cast<size_t>(place4)] = "Ann";
    r.Toptime[static_cast<size_t>(place4)] = 125;
    r.Topattempts[static_cast<size_t>(place4)] = 6;
    r.Topname[0] = "Bo";
    r.Toptime[3519] = -2;
    r.Average[703] = 4.75f;
    r.Population[703] = 321;
    r.Average[0] = 3.5f;
    ASSERT_EQ(Writewinners(folder_, 9, r).status, WinnersStatus::Ok);

    const std::vector<uint8_t> b = FileBytes(9);
    ASSERT_EQ(b.size(), 32392u);
    const size_t n = 7040 + 5;  // count fields plus the bytes of "Bo" and "Ann"
    // Names: element 0 first, then each with its two-byte count.
    EXPECT_EQ(U16At(b, 8), 2);
    EXPECT_EQ(b[10], 'B');
    EXPECT_EQ(b[11], 'o');
    size_t at = 12 + 2 * 2815;  // element 1 to 2815 are empty
    EXPECT_EQ(U16At(b, at), 3);
    EXPECT_EQ(std::string(b.begin() + static_cast<long>(at) + 2, b.begin() + static_cast<long>(at) + 5),
              "Ann");
    EXPECT_EQ(U16At(b, at + 5), 0) << "element 2817 follows at once";
    // Tables at their offsets.
    EXPECT_EQ(U16At(b, 8 + n), 3600);
    EXPECT_EQ(U16At(b, 8 + n + 2 * 2816), 125);
    EXPECT_EQ(U16At(b, 8 + n + 2 * 3519), 0xFFFE);
    EXPECT_EQ(U16At(b, 7048 + n), 27);
    EXPECT_EQ(U16At(b, 7048 + n + 2 * 2816), 6);
    EXPECT_EQ(FloatAt(b, 14088 + n), 3.5f);
    EXPECT_EQ(FloatAt(b, 14088 + n + 4 * 703), 4.75f);
    EXPECT_EQ(U16At(b, 16904 + n), 0);
    EXPECT_EQ(U16At(b, 16904 + n + 2 * 703), 321);
    for (size_t i = 18312 + n; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << "unused rest at " << i;
}

TEST_F(WinnersFileTest, ReadsBytesBuiltByHand) {
    // A record with every name empty uses 25352 bytes.
    std::vector<uint8_t> b(32392, 0);
    const double stamp = 45000.25;
    std::memcpy(b.data(), &stamp, 8);
    size_t at = 8;
    for (int i = 0; i < 3520; ++i, at += 2) {
        b[at] = 0;
        b[at + 1] = 0;
    }
    for (int i = 0; i < 3520; ++i, at += 2) b[at] = 60;  // Toptime 60
    for (int i = 0; i < 3520; ++i, at += 2) b[at] = 9;   // Topattempts 9
    const float average = 5.25f;
    for (int i = 0; i < 704; ++i, at += 4) std::memcpy(&b[at], &average, 4);
    for (int i = 0; i < 704; ++i, at += 2) b[at + 1] = 1;  // Population 256
    EXPECT_EQ(at, 25352u);
    PutFile(6, b);

    WinnersRecord r;
    ASSERT_EQ(Readwinners(folder_, 6, r).status, WinnersStatus::Ok);
    EXPECT_EQ(r.Stamp, stamp);
    EXPECT_EQ(r.Toptime[2816], 60);
    EXPECT_EQ(r.Topattempts[3519], 9);
    EXPECT_EQ(r.Average[703], 5.25f);
    EXPECT_EQ(r.Population[0], 256);
}

TEST_F(WinnersFileTest, RoundTripKeepsNamesInWindows1252) {
    WinnersRecord r;
    r.Topname[10] = "Zoë €uro";
    r.Topname[11] = "Łukasz";  // no code in Windows-1252
    ASSERT_EQ(Writewinners(folder_, 8, r).status, WinnersStatus::Ok);
    const std::vector<uint8_t> b = FileBytes(8);
    size_t at = 8 + 2 * 10;
    ASSERT_EQ(U16At(b, at), 8);
    EXPECT_EQ(b[at + 4], 0xEB);  // ë
    EXPECT_EQ(b[at + 6], 0x80);  // €
    WinnersRecord back;
    ASSERT_EQ(Readwinners(folder_, 8, back).status, WinnersStatus::Ok);
    EXPECT_EQ(back.Topname[10], "Zoë €uro");
    EXPECT_EQ(back.Topname[11], "?ukasz");
}

TEST_F(WinnersFileTest, StampIsTheModificationTimeOfTheFirstWrite) {
    WinnersRecord r;
    ASSERT_EQ(Writewinners(folder_, 5, r).status, WinnersStatus::Ok);
    WinnersRecord back;
    ASSERT_EQ(Readwinners(folder_, 5, back).status, WinnersStatus::Ok);
    EXPECT_EQ(back.Stamp, r.Stamp);
    const double now = Filedatetime(Winnerspath(folder_, 5));
    EXPECT_GT(r.Stamp, 40000.0);
    EXPECT_LE(r.Stamp, now);
    EXPECT_LT(now - r.Stamp, 1.0 / 24) << "written moments ago";
}

TEST_F(WinnersFileTest, NamesBeyondTheRecordAreRefusedAndTheFileKept) {
    WinnersRecord r;
    r.Population[4] = 12;
    ASSERT_EQ(Writewinners(folder_, 10, r).status, WinnersStatus::Ok);
    const std::vector<uint8_t> before = FileBytes(10);

    for (int i = 0; i < 469; ++i) r.Topname[static_cast<size_t>(i)] = std::string(15, 'x');  // 7035 bytes
    EXPECT_EQ(r.Namebytes(), 7035u);
    ASSERT_EQ(Writewinners(folder_, 10, r).status, WinnersStatus::Ok);
    r.Topname[469] = "abcdef";  // 7041 bytes
    WinnersResult result = Writewinners(folder_, 10, r);
    EXPECT_EQ(result.status, WinnersStatus::NamesTooLong);
    EXPECT_FALSE(result.message.empty());
    WinnersRecord back;
    ASSERT_EQ(Readwinners(folder_, 10, back).status, WinnersStatus::Ok);
    EXPECT_EQ(back.Topname[468], std::string(15, 'x'));
    EXPECT_TRUE(back.Topname[469].empty());
    EXPECT_NE(FileBytes(10), before);
}

TEST_F(WinnersFileTest, DamagedFilesAreReportedAndReadAsFresh) {
    WinnersRecord r;
    r.Population[0] = 3;
    ASSERT_EQ(Writewinners(folder_, 6, r).status, WinnersStatus::Ok);
    std::vector<uint8_t> b = FileBytes(6);

    std::vector<uint8_t> hugeName = b;
    hugeName[8] = 0xFF;  // a name of 65535 bytes cannot fit
    hugeName[9] = 0xFF;
    PutFile(6, hugeName);
    WinnersRecord back;
    back.Population[0] = 99;
    WinnersResult result = Readwinners(folder_, 6, back);
    EXPECT_EQ(result.status, WinnersStatus::Damaged);
    EXPECT_FALSE(result.Usable());
    EXPECT_NE(result.message.find("damaged"), std::string::npos);
    EXPECT_EQ(back.Population[0], 0);
    EXPECT_EQ(FileBytes(6), hugeName) << "reading leaves the damaged file alone";

    std::vector<uint8_t> badAverage = b;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::memcpy(&badAverage[14088 + 7040 + 8], &nan, 4);
    PutFile(6, badAverage);
    EXPECT_EQ(Readwinners(folder_, 6, back).status, WinnersStatus::Damaged);

    std::vector<uint8_t> badPopulation = b;
    badPopulation[16904 + 7040 + 1] = 0x80;
    PutFile(6, badPopulation);
    EXPECT_EQ(Readwinners(folder_, 6, back).status, WinnersStatus::Damaged);
}

TEST_F(WinnersFileTest, UnwritableFolderIsReportedAndNothingIsLost) {
    WinnersRecord r;
    r.Population[1] = 7;
    ASSERT_EQ(Writewinners(folder_, 7, r).status, WinnersStatus::Ok);
    const std::vector<uint8_t> before = FileBytes(7);
    if (::geteuid() == 0) {
        // Root ignores permissions: block the temporary file's name instead.
        fs::create_directories(fs::path(Winnerspath(folder_, 7)) += ".tmp");
    } else {
        fs::permissions(folder_ / "Winners", fs::perms::owner_read | fs::perms::owner_exec);
    }
    r.Population[1] = 8;
    WinnersResult result = Writewinners(folder_, 7, r);
    EXPECT_EQ(result.status, WinnersStatus::Unwritable);
    EXPECT_FALSE(result.message.empty());
    fs::permissions(folder_ / "Winners", fs::perms::owner_all);
    EXPECT_EQ(FileBytes(7), before);

    // A file where the folder should be.
    const fs::path other = folder_ / "other";
    fs::create_directories(other);
    std::ofstream(other / "Winners") << "not a folder";
    EXPECT_EQ(Writewinners(other, 7, r).status, WinnersStatus::Unwritable);
}

TEST_F(WinnersFileTest, StartTrialComesFromTheTrialOneNoErrorAverage) {
    WinnersRecord r;
    GameSettings s = GameSettings::Make(8, 5, false, 2, 5, 1, 2, 2);
    r.Average[static_cast<size_t>(Settingindex(10, 2, 1, 1, 5))] = 3.25f;
    r.Average[static_cast<size_t>(Settingindex(10, 2, 2, 2, 5))] =
        8.0f;  // the game's own element is not used
    ASSERT_EQ(Writewinners(folder_, 8, r).status, WinnersStatus::Ok);
    GameState g;
    g.Settings = s;
    for (double draw : {0.0, 0.25, 0.5, 0.74, 0.75, 0.99}) {
        g.Random = RandomSource([draw] { return draw; });
        WinnersRecord buffer;
        ASSERT_TRUE(Getstarttrial(g, folder_, buffer).Usable());
        EXPECT_EQ(g.Settings.Starttrial, draw < 0.75 ? 3 : 4) << draw;
    }
    EXPECT_EQ(Starttrialfor(12.0, 0.0), 9);
    EXPECT_EQ(Starttrialfor(0.0, 0.5), 1) << "no record yet: start at trial 1";
    EXPECT_EQ(Starttrialfor(0.4, 0.7), 1);
    EXPECT_EQ(Starttrialfor(1.0, 0.0), 1);
}

TEST_F(WinnersFileTest, StartTrialFromADamagedFileStartsAtTrialOne) {
    PutFile(6, std::vector<uint8_t>(32392, 0xFF));
    GameState g;
    g.Settings = GameSettings::Make(6, 4, true, 2, 1, 1, 2);
    g.Random = RandomSource([] { return 0.9; });
    WinnersRecord buffer;
    WinnersResult result = Getstarttrial(g, folder_, buffer);
    EXPECT_EQ(result.status, WinnersStatus::Damaged);
    EXPECT_EQ(g.Settings.Starttrial, 1);
}

}  // namespace
}  // namespace tallimor
