#pragma once
// The records file of one number of colours ("Winners5" to "Winners10" in
// the folder "Winners"): the Top Five lists of every setting and the
// computer's statistics, in one fixed-length record of 32392 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tallimor {

constexpr size_t kWinnersRecordLength = 32392;
constexpr int kTopEntries = 3520;     // [Lengthclass 3..13][order][start][errors][repeat 1..8][place 0..4]
constexpr int kSettingEntries = 704;  // the same without the place
constexpr size_t kWinnersNameRoom = 7040;  // name bytes one record can hold in all
constexpr int16_t kEmptyToptime = 3600;
constexpr int16_t kEmptyTopattempts = 27;

// Element numbers, first index varying fastest.  Out-of-range indexes give -1.
int Settingindex(int lengthclass, int ordertype, int startfrom, int hinterrors, int maxrepeat);
int Topindex(int lengthclass, int ordertype, int startfrom, int hinterrors, int maxrepeat, int place);

// The records buffer.  Names are held as UTF-8 and stored as Windows-1252.
struct WinnersRecord {
    double Stamp = 0;  // days since 30 December 1899, time of day as the fraction
    std::array<std::string, kTopEntries> Topname;
    std::array<int16_t, kTopEntries> Toptime;
    std::array<int16_t, kTopEntries> Topattempts;
    std::array<float, kSettingEntries> Average;
    std::array<int16_t, kSettingEntries> Population;

    WinnersRecord() { Fresh(); }
    // Empty names, every place 3600 seconds and 27 attempts, no statistics.
    void Fresh();
    // Bytes the names take on disk, without their count fields.
    size_t Namebytes() const;
};

enum class WinnersStatus {
    Ok,            // read or written
    Fresh,         // absent or empty file: the buffer holds a fresh record
    Damaged,       // short, or its contents are impossible: the buffer holds a fresh record
    Unreadable,    // the file exists but could not be read
    Unwritable,    // the file could not be written; the old one is untouched
    NamesTooLong,  // the names need more room than the record has; nothing written
};

struct WinnersResult {
    WinnersStatus status = WinnersStatus::Ok;
    std::string message;  // for the program's message box; empty when all went well
    // True when the buffer holds what the file holds (or a fresh record for
    // a file that does not exist yet) and a writer may go on.
    bool Usable() const { return status == WinnersStatus::Ok || status == WinnersStatus::Fresh; }
};

std::filesystem::path Winnerspath(const std::filesystem::path& programFolder, int colours);

// Reads record 1 of the file into `buffer`.  When the file is absent, empty,
// short, damaged or unreadable the buffer holds a fresh record; only an
// absent or empty one may be written over.
WinnersResult Readwinners(const std::filesystem::path& programFolder, int colours, WinnersRecord& buffer);

// Writes `buffer` as record 1, then sets Stamp to the modification time the
// file system reports for that write and writes the record again.  Each write
// replaces the file only when complete; the folder is made when missing.
WinnersResult Writewinners(const std::filesystem::path& programFolder, int colours, WinnersRecord& buffer);
// The same for the files of 5 to 10 colours (`records` indexed by colours):
// no file is replaced unless all six new ones are complete, and once the
// first is replaced the others follow, at the next start if need be.  A
// given `stamp` is stored instead of the write time, so that seeding the
// records twice gives the same bytes.
WinnersResult Writeallwinners(const std::filesystem::path& programFolder,
                              std::array<WinnersRecord, 11>& records,
                              std::optional<double> stamp = std::nullopt);

// What the program does with the records folder when it starts: a write of
// the six files that was cut off among its renames is finished, and the
// temporaries a killed write left behind are removed (nothing else is).
void Tidyrecords(const std::filesystem::path& programFolder);

// The record's bytes, exactly kWinnersRecordLength of them.  Names that do
// not fit give an empty vector.
std::vector<uint8_t> Encodewinners(const WinnersRecord& record);
// What the first `size` bytes of a records file give: an empty file is a
// fresh record (Fresh), a short one or one whose contents are impossible is
// Damaged (with a fresh record), a full record is read (Ok).
WinnersStatus Judgewinners(const uint8_t* bytes, size_t size, WinnersRecord& record);
// Reads a full record; false (and a fresh record) when its contents are impossible.
bool Decodewinners(const uint8_t* bytes, size_t size, WinnersRecord& record);

// Windows-1252 text to UTF-8 and back; characters without a code become '?'.
std::string Ansitoutf8(const std::string& ansi);
std::string Utf8toansi(const std::string& utf8);

// The modification time of a file as a day count since 30 December 1899.
double Filedatetime(const std::filesystem::path& file);

}  // namespace tallimor
