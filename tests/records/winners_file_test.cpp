#include "records/winners_file.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "fresh_folder.h"
#include "records/start_trial.h"

namespace tallimor {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

// The little-endian number of `n` bytes at `at`.
uint32_t Le(const Bytes& b, size_t at, int n) {
    uint32_t v = 0;
    for (int i = n - 1; i >= 0; --i) v = v << 8 | b.at(at + static_cast<size_t>(i));
    return v;
}
int U16At(const Bytes& b, size_t at) { return static_cast<int>(Le(b, at, 2)); }
float FloatAt(const Bytes& b, size_t at) { return std::bit_cast<float>(Le(b, at, 4)); }

// Offsets of the tables in a record whose names take `n` bytes after their
// 7040 count bytes: names from 8, then Toptime, Topattempts, Average, Population.
constexpr size_t kToptime = 8 + 7040, kTopattempts = 7048 + 7040, kAverage = 14088 + 7040,
                 kPopulation = 16904 + 7040, kUnused = 18312 + 7040;

class WinnersFileTest : public ::testing::Test {
   protected:
    void SetUp() override { folder_ = Freshfolder("winners"); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_, fs::perms::owner_all, ec);
        fs::remove_all(folder_);
    }
    Bytes FileBytes(int colours) const {
        std::ifstream in(Winnerspath(folder_, colours), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void PutFile(int colours, const Bytes& bytes) const {
        fs::create_directories(folder_ / "Winners");
        std::ofstream(Winnerspath(folder_, colours), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path folder_;
};

TEST(WinnersIndexTest, ElementNumbersFollowTheFileOrder) {
    // Length class, order type, start, errors, repetition, place (-1: the setting's element), element.
    const std::vector<std::array<int, 7>> cases = {
        {3, 1, 1, 1, 1, -1, 0},    {4, 1, 1, 1, 1, -1, 1},   {3, 2, 1, 1, 1, -1, 11},
        {3, 1, 2, 1, 1, -1, 22},   {3, 1, 1, 2, 1, -1, 44},  {3, 1, 1, 1, 2, -1, 88},
        {13, 2, 2, 2, 8, -1, 703}, {3, 1, 1, 1, 1, 4, 2816}, {13, 2, 2, 2, 8, 4, 3519},
        {14, 1, 1, 1, 1, -1, -1},  {3, 1, 1, 1, 9, -1, -1},  {3, 1, 1, 1, 1, 5, -1}};
    for (const auto& [lengthclass, order, start, errors, repeat, place, element] : cases)
        EXPECT_EQ(place < 0 ? Settingindex(lengthclass, order, start, errors, repeat)
                            : Topindex(lengthclass, order, start, errors, repeat, place),
                  element)
            << lengthclass << order << start << errors << repeat << " place " << place;
}

TEST_F(WinnersFileTest, OnlyAbsentOrEmptyFilesReadAsFreshAndDamagedOnesAreKept) {
    WinnersRecord r;
    r.Toptime[0] = 5;
    EXPECT_EQ(Readwinners(folder_, 7, r).status, WinnersStatus::Fresh);
    EXPECT_EQ(std::tuple(r.Toptime[0], r.Topattempts[3519], r.Population[703], r.Average[0], r.Topname[17]),
              std::tuple(3600, 27, 0, 0.0f, ""));
    EXPECT_FALSE(fs::exists(Winnerspath(folder_, 7))) << "reading creates nothing";
    PutFile(7, {});
    r.Toptime[5] = 5;
    EXPECT_EQ(Readwinners(folder_, 7, r).status, WinnersStatus::Fresh);
    EXPECT_EQ(r.Toptime[5], 3600);
    // A file whose state cannot be learned is not taken for an absent one.
    fs::create_symlink("Winners8", Winnerspath(folder_, 8));
    EXPECT_EQ(Readwinners(folder_, 8, r).status, WinnersStatus::Unreadable);
    // Damaged files are reported too, and left alone.
    ASSERT_EQ(Writewinners(folder_, 6, r).status, WinnersStatus::Ok);
    const Bytes good = FileBytes(6);
    // A file cut short (it may still hold records); a name of 65535 bytes
    // that cannot fit; an average that is no number (a quiet NaN), one so
    // large that an update would overflow (3e38), one below 1 for counted
    // games; a negative population; a time past the hour; no attempts.
    const std::vector<std::pair<size_t, Bytes>> damages = {{32391, {}},
                                                           {8, {0xFF, 0xFF}},
                                                           {kAverage + 8, {0x00, 0x00, 0xC0, 0x7F}},
                                                           {kAverage + 8, {0x7A, 0xB1, 0x61, 0x7F}},
                                                           {kPopulation, {0x05}},
                                                           {kPopulation + 1, {0x80}},
                                                           {kToptime, {0x11, 0x0E}},
                                                           {kTopattempts, {0x00, 0x00}}};
    for (const auto& [at, bytes] : damages) {
        Bytes damaged = good;
        if (bytes.empty()) damaged.resize(at);
        std::copy(bytes.begin(), bytes.end(), damaged.begin() + static_cast<long>(at));
        PutFile(6, damaged);
        WinnersRecord back;
        back.Population[0] = 99;
        const WinnersResult result = Readwinners(folder_, 6, back);
        EXPECT_EQ(result.status, WinnersStatus::Damaged) << at;
        EXPECT_NE(result.message.find("damaged"), std::string::npos) << result.message;
        EXPECT_EQ(back.Population[0], 0);
        EXPECT_EQ(FileBytes(6), damaged) << "reading leaves the damaged file alone";
    }
}

TEST_F(WinnersFileTest, WrittenBytesMatchTheLayout) {
    WinnersRecord r;
    r.Topname[2816] = "Ann";  // place 4 of the first setting
    r.Toptime[2816] = 125;
    r.Topattempts[2816] = 6;
    r.Topattempts[3519] = 9;
    r.Topname[0] = "Bo";
    r.Toptime[3519] = 3599;
    r.Average[703] = 4.75f;
    r.Population[703] = 321;
    r.Average[0] = 3.5f;
    ASSERT_EQ(Writewinners(folder_, 9, r).status, WinnersStatus::Ok);

    const Bytes b = FileBytes(9);
    ASSERT_EQ(b.size(), 32392u);
    // Names from byte 8, each a two-byte count and its bytes: "Bo", 2815 empty
    // ones, "Ann", and element 2817 at once after it.  Then the tables, moved
    // on by the 5 name bytes.
    const size_t ann = 12 + 2 * 2815, n = 5;
    EXPECT_EQ(std::tuple(U16At(b, 8), U16At(b, ann), U16At(b, ann + 5)), std::tuple(2, 3, 0));
    EXPECT_EQ(std::string(b.begin() + 10, b.begin() + 12), "Bo");
    EXPECT_EQ(std::string(b.begin() + ann + 2, b.begin() + ann + 5), "Ann");
    // Table start, element, its 16-bit value.
    const size_t t = kToptime + n, a = kTopattempts + n, p = kPopulation + n;
    const std::vector<std::tuple<size_t, size_t, int>> words = {{t, 0, 3600}, {t, 2816, 125}, {t, 3519, 3599},
                                                                {a, 0, 27},   {a, 2816, 6},   {a, 3519, 9},
                                                                {p, 0, 0},    {p, 703, 321}};
    for (const auto& [start, element, value] : words)
        EXPECT_EQ(U16At(b, start + 2 * element), value) << start << " element " << element;
    EXPECT_EQ(FloatAt(b, kAverage + n), 3.5f);
    EXPECT_EQ(FloatAt(b, kAverage + n + 4 * 703), 4.75f);
    for (size_t i = kUnused + n; i < b.size(); ++i) ASSERT_EQ(b[i], 0) << "unused rest at " << i;
}

TEST_F(WinnersFileTest, RoundTripKeepsNamesInWindows1252AndStampsTheFirstWrite) {
    WinnersRecord r;
    r.Topname[10] = "Zoë €uro";
    r.Topname[11] = "Łukasz";  // no code in Windows-1252
    ASSERT_EQ(Writewinners(folder_, 8, r).status, WinnersStatus::Ok);
    const Bytes b = FileBytes(8);
    const size_t at = 8 + 2 * 10;
    EXPECT_EQ(std::tuple(U16At(b, at), b[at + 4], b[at + 6]), std::tuple(8, 0xEB, 0x80));  // ë, €
    WinnersRecord back;
    ASSERT_EQ(Readwinners(folder_, 8, back).status, WinnersStatus::Ok);
    EXPECT_EQ(back.Topname[10] + "|" + back.Topname[11], "Zoë €uro|?ukasz");
    // The stamp is the file's modification time of the write, in bytes 0 to 7.
    double stamp;
    std::memcpy(&stamp, b.data(), 8);
    EXPECT_EQ(std::pair(back.Stamp, stamp), std::pair(r.Stamp, r.Stamp));
    const double now = Filedatetime(Winnerspath(folder_, 8));
    // A day count of this century, at most an hour before the file's own time.
    EXPECT_TRUE(r.Stamp > 40000 && r.Stamp <= now && now - r.Stamp < 1.0 / 24) << r.Stamp << " " << now;
}

TEST_F(WinnersFileTest, RefusedWritesAreReportedAndKeepTheOldFile) {
    WinnersRecord r;
    for (size_t i = 0; i < 469; ++i) r.Topname[i] = std::string(15, 'x');
    r.Topname[469] = "abcde";  // 7040 bytes, all the room there is
    ASSERT_EQ(Writewinners(folder_, 10, r).status, WinnersStatus::Ok) << "names that just fit";
    const Bytes kept = FileBytes(10);
    WinnersRecord back;
    EXPECT_TRUE(Readwinners(folder_, 10, back).status == WinnersStatus::Ok && back.Topname[469] == "abcde");
    r.Topname[469] += "f";
    WinnersResult result = Writewinners(folder_, 10, r);
    EXPECT_TRUE(result.status == WinnersStatus::NamesTooLong && !result.message.empty());
    EXPECT_EQ(FileBytes(10), kept);

    r.Topname[469].clear();
    r.Population[1] = 8;
    r.Average[1] = 5;
    // A file the user made read-only is kept, even for a user the system lets write.
    const fs::path file = Winnerspath(folder_, 10);
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
    result = Writewinners(folder_, 10, r);
    EXPECT_EQ(result.status, WinnersStatus::Unwritable);
    EXPECT_NE(result.message.find("read-only"), std::string::npos) << result.message;
    EXPECT_EQ(FileBytes(10), kept);
    // A replaced file keeps its permissions, and no temporary is left.
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_EQ(Writewinners(folder_, 10, r).status, WinnersStatus::Ok);
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Winners"), fs::directory_iterator()), 1);
    if (::geteuid() != 0) {  // root ignores a folder's permissions
        fs::permissions(folder_ / "Winners", fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(Writewinners(folder_, 10, r).status, WinnersStatus::Unwritable);
        fs::permissions(folder_ / "Winners", fs::perms::owner_all);
    }

    // Six files are written together or not at all.
    std::array<WinnersRecord, 11> six;
    six[8].Population[2] = 3;
    six[8].Average[2] = 4;
    const Bytes ten = FileBytes(10);
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(Writeallwinners(folder_, six).status, WinnersStatus::Unwritable);
    EXPECT_TRUE(!fs::exists(Winnerspath(folder_, 8)) && FileBytes(10) == ten);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Winners"), fs::directory_iterator()), 1);
    // A file where the folder should be.
    fs::create_directories(folder_ / "other");
    std::ofstream(folder_ / "other" / "Winners") << "not a folder";
    EXPECT_EQ(Writewinners(folder_ / "other", 10, r).status, WinnersStatus::Unwritable);
}

TEST_F(WinnersFileTest, AWriteOfSixCutOffIsFinishedAtTheNextStartAndOnlyItsTemporariesGo) {
    const fs::path winners = folder_ / "Winners";
    std::array<WinnersRecord, 11> first;
    for (int c = 5; c <= 10; ++c) {
        first[static_cast<size_t>(c)].Population[0] = 1;
        first[static_cast<size_t>(c)].Average[0] = 4;
    }
    ASSERT_EQ(Writeallwinners(folder_, first).status, WinnersStatus::Ok);
    EXPECT_EQ(std::distance(fs::directory_iterator(winners), fs::directory_iterator()),
              6);  // no journal left
    auto population = [&](int colours) {
        WinnersRecord r;
        return Readwinners(folder_, colours, r).Usable() ? r.Population[0] : -1;
    };
    // What a kill leaves: the six new files complete as temporaries, and,
    // once the journal names them, some already renamed.
    auto cutoff = [&](bool journal, int renamed) {
        std::string names;
        for (int c = 5; c <= 10; ++c) {
            WinnersRecord r;
            r.Population[0] = 2, r.Average[0] = 4;
            const fs::path file = Winnerspath(folder_, c);
            const fs::path temporary = file.string() + ".tallimor-a1B2c" + std::to_string(c % 10);
            const Bytes bytes = Encodewinners(r);
            std::ofstream(temporary, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()), 32392);
            names += temporary.string() + "\n" + file.string() + "\n";
            if (c < 5 + renamed) fs::rename(temporary, file);
        }
        if (journal) std::ofstream(winners / "Winners.journal") << names;
    };
    // Files that only look like the program's own stay.
    for (const char* name :
         {"Winners5.backup", "Winners5.tallimor-abc", "notes.tallimor-abc123", "Winners5.bak"})
        std::ofstream(winners / name) << "mine";
    fs::create_directories(winners / "Winners6.tallimor-abcdef");

    // Killed before the renames began, the old set stays; killed among them, the new set is completed.
    for (const auto& [journal, renamed, kept] : {std::tuple(false, 0, 1), std::tuple(true, 3, 2)}) {
        cutoff(journal, renamed);
        Tidyrecords(folder_);
        for (int c = 5; c <= 10; ++c) EXPECT_EQ(population(c), kept) << c;
        EXPECT_EQ(std::distance(fs::directory_iterator(winners), fs::directory_iterator()), 11);
    }
    EXPECT_FALSE(fs::exists(winners / "Winners.journal"));
    EXPECT_TRUE(fs::is_directory(winners / "Winners6.tallimor-abcdef"));
}

TEST_F(WinnersFileTest, ARecordsFileThatIsALinkIsWrittenThroughIt) {
    const fs::path elsewhere = folder_ / "elsewhere";
    fs::create_directories(elsewhere);
    fs::create_directories(folder_ / "Winners");
    fs::create_symlink("../elsewhere/seven", Winnerspath(folder_, 7));
    WinnersRecord r;
    r.Population[3] = 5, r.Average[3] = 4;
    ASSERT_EQ(Writewinners(folder_, 7, r).status, WinnersStatus::Ok);
    ASSERT_EQ(Writewinners(folder_, 7, r).status, WinnersStatus::Ok);  // once more, onto the file it made
    EXPECT_TRUE(fs::is_symlink(Winnerspath(folder_, 7)) && fs::file_size(elsewhere / "seven") == 32392u);
    WinnersRecord back;
    EXPECT_TRUE(Readwinners(folder_, 7, back).status == WinnersStatus::Ok && back.Population[3] == 5);
    // The temporary of a killed write lies beside the file the link leads to.
    std::ofstream(elsewhere / "seven.tallimor-Zz9Yy8") << "left";
    std::ofstream(elsewhere / "eight.tallimor-Zz9Yy8") << "not ours";
    Tidyrecords(folder_);
    EXPECT_FALSE(fs::exists(elsewhere / "seven.tallimor-Zz9Yy8"));
    EXPECT_TRUE(fs::exists(elsewhere / "eight.tallimor-Zz9Yy8"));
}

TEST_F(WinnersFileTest, StartTrialComesFromTheTrialOneNoErrorAverage) {
    WinnersRecord r;
    r.Average[static_cast<size_t>(Settingindex(10, 2, 1, 1, 5))] = 3.25f;
    r.Average[static_cast<size_t>(Settingindex(10, 2, 2, 2, 5))] = 8.0f;  // the game's own: not used
    ASSERT_EQ(Writewinners(folder_, 8, r).status, WinnersStatus::Ok);
    GameState g;
    g.Settings = GameSettings::Make(8, 5, false, 2, 5, 1, 2, 2);
    for (double draw : {0.0, 0.25, 0.5, 0.74, 0.75, 0.99}) {
        g.Random = RandomSource([draw] { return draw; });
        WinnersRecord buffer;
        ASSERT_TRUE(Getstarttrial(g, folder_, buffer).Usable());
        EXPECT_EQ(g.Settings.Starttrial, draw < 0.75 ? 3 : 4) << draw;
    }
    // Average, draw, start trial; no record yet starts at trial 1.
    for (const auto& [average, draw, trial] : std::vector<std::tuple<double, double, int>>{
             {12.0, 0.0, 9}, {0.0, 0.5, 1}, {0.4, 0.7, 1}, {1.0, 0.0, 1}})
        EXPECT_EQ(Starttrialfor(average, draw), trial) << average << " " << draw;
}

}  // namespace
}  // namespace tallimor
