#include "records/winners_file.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <ctime>
#include <fstream>
#include <system_error>

#include "records/file_replace.h"

namespace tallimor {

namespace fs = std::filesystem;

namespace {

// The code points of Windows-1252 bytes 0x80 to 0x9F (0 where undefined).
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void PutUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

class Writer {
   public:
    explicit Writer(std::vector<uint8_t>& bytes) : bytes_(bytes) {}
    void U16(uint16_t v) {
        bytes_.push_back(static_cast<uint8_t>(v & 0xFF));
        bytes_.push_back(static_cast<uint8_t>(v >> 8));
    }
    void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
    template <typename T>
    void Raw(T v) {  // IEEE values, little-endian on every machine we build for
        uint8_t b[sizeof(T)];
        std::memcpy(b, &v, sizeof(T));
        bytes_.insert(bytes_.end(), b, b + sizeof(T));
    }
    void Text(const std::string& ansi) {
        U16(static_cast<uint16_t>(ansi.size()));
        bytes_.insert(bytes_.end(), ansi.begin(), ansi.end());
    }

   private:
    std::vector<uint8_t>& bytes_;
};

class Reader {
   public:
    Reader(const uint8_t* bytes, size_t size) : bytes_(bytes), size_(size) {}
    bool Has(size_t n) const { return n <= size_ - pos_; }
    uint16_t U16() {
        uint16_t v = static_cast<uint16_t>(bytes_[pos_] | (bytes_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    int16_t I16() { return static_cast<int16_t>(U16()); }
    template <typename T>
    T Raw() {
        T v;
        std::memcpy(&v, bytes_ + pos_, sizeof(T));
        pos_ += sizeof(T);
        return v;
    }
    std::string Bytes(size_t n) {
        std::string s(reinterpret_cast<const char*>(bytes_ + pos_), n);
        pos_ += n;
        return s;
    }

   private:
    const uint8_t* bytes_;
    size_t size_;
    size_t pos_ = 0;
};

// Fixed part of the record after the names: times, attempts, averages, populations.
constexpr size_t kTablesBytes = kTopEntries * 2 * 2 + kSettingEntries * (4 + 2);

}  // namespace

int Settingindex(int l, int o, int s, int e, int r) {
    if (l < 3 || l > 13 || o < 1 || o > 2 || s < 1 || s > 2 || e < 1 || e > 2 || r < 1 || r > 8) return -1;
    return (l - 3) + 11 * ((o - 1) + 2 * ((s - 1) + 2 * ((e - 1) + 2 * (r - 1))));
}

int Topindex(int l, int o, int s, int e, int r, int p) {
    int setting = Settingindex(l, o, s, e, r);
    if (setting < 0 || p < 0 || p > 4) return -1;
    return setting + kSettingEntries * p;
}

void WinnersRecord::Fresh() {
    Stamp = 0;
    for (auto& name : Topname) name.clear();
    Toptime.fill(kEmptyToptime);
    Topattempts.fill(kEmptyTopattempts);
    Average.fill(0.0f);
    Population.fill(0);
}

size_t WinnersRecord::Namebytes() const {
    size_t total = 0;
    for (const auto& name : Topname) total += Utf8toansi(name).size();
    return total;
}

std::string Ansitoutf8(const std::string& ansi) {
    std::string out;
    for (unsigned char ch : ansi) {
        char32_t cp = ch;
        if (ch >= 0x80 && ch <= 0x9F) cp = kHighControls[ch - 0x80] ? kHighControls[ch - 0x80] : U'?';
        PutUtf8(out, cp);
    }
    return out;
}

std::string Utf8toansi(const std::string& utf8) {
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = '?';
        size_t len = 1;
        if (lead < 0x80) {
            cp = lead;
        } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            cp = ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            len = 2;
        } else if ((lead & 0xF0) == 0xE0 && i + 2 < utf8.size()) {
            cp = ((lead & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                 (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
            len = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            len = 4;
        }
        i += len;
        char byte = '?';
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            byte = static_cast<char>(cp);
        } else {
            for (int k = 0; k < 32; ++k)
                if (kHighControls[k] == cp && cp != 0) byte = static_cast<char>(0x80 + k);
        }
        out += byte;
    }
    return out;
}

fs::path Winnerspath(const fs::path& programFolder, int colours) {
    return programFolder / "Winners" / ("Winners" + std::to_string(colours));
}

std::vector<uint8_t> Encodewinners(const WinnersRecord& record) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kWinnersRecordLength);
    Writer w(bytes);
    w.Raw<double>(record.Stamp);
    size_t nameBytes = 0;
    for (const auto& name : record.Topname) {
        std::string ansi = Utf8toansi(name);
        nameBytes += ansi.size();
        if (nameBytes > kWinnersNameRoom) return {};
        w.Text(ansi);
    }
    for (int16_t v : record.Toptime) w.I16(v);
    for (int16_t v : record.Topattempts) w.I16(v);
    for (float v : record.Average) w.Raw<float>(v);
    for (int16_t v : record.Population) w.I16(v);
    bytes.resize(kWinnersRecordLength, 0);
    return bytes;
}

bool Decodewinners(const uint8_t* bytes, size_t size, WinnersRecord& record) {
    record.Fresh();
    WinnersRecord read;
    Reader r(bytes, std::min(size, kWinnersRecordLength));
    if (!r.Has(8)) return false;
    read.Stamp = r.Raw<double>();
    for (auto& name : read.Topname) {
        if (!r.Has(2)) return false;
        size_t n = r.U16();
        if (!r.Has(n + kTablesBytes)) return false;  // names must leave room for the tables
        name = Ansitoutf8(r.Bytes(n));
    }
    // Only values a game can produce: a place took 0 to 3600 seconds and 1 to
    // 27 attempts (a free place holds 3600 and 27); an average of counted
    // games lies between 1 and 27 (the designer may set one without games).
    for (auto& v : read.Toptime) {
        v = r.I16();
        if (v < 0 || v > kEmptyToptime) return false;
    }
    for (auto& v : read.Topattempts) {
        v = r.I16();
        if (v < 1 || v > kEmptyTopattempts) return false;
    }
    for (auto& v : read.Average) {
        v = r.Raw<float>();
        if (!std::isfinite(v) || v < 0 || v > kEmptyTopattempts) return false;
    }
    for (size_t i = 0; i < read.Population.size(); ++i) {
        const int16_t v = read.Population[i] = r.I16();
        if (v < 0 || (v > 0 && read.Average[i] < 1)) return false;
    }
    record = std::move(read);
    return true;
}

WinnersResult Readwinners(const fs::path& programFolder, int colours, WinnersRecord& buffer) {
    buffer.Fresh();
    const fs::path file = Winnerspath(programFolder, colours);
    // Only a file that is surely absent starts fresh: one whose state cannot
    // be learned (a folder that may not be searched, a loop of links) would
    // otherwise show the player empty lists and be written over.
    std::error_code ec;
    const bool present = fs::exists(file, ec);
    if (!ec && !present) return {WinnersStatus::Fresh, ""};
    std::ifstream in(file, std::ios::binary);
    if (ec || !in) {
        return {WinnersStatus::Unreadable,
                "The records file " + file.string() + " cannot be read. Your records are kept as they are."};
    }
    std::vector<uint8_t> bytes(kWinnersRecordLength);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    size_t got = static_cast<size_t>(in.gcount());
    if (in.bad()) {
        return {WinnersStatus::Unreadable,
                "The records file " + file.string() + " cannot be read. Your records are kept as they are."};
    }
    const WinnersStatus status = Judgewinners(bytes.data(), got, buffer);
    if (status == WinnersStatus::Damaged) {
        return {WinnersStatus::Damaged,
                "The records file " + file.string() +
                    " is damaged. It is left as it is and no records are saved to it."};
    }
    return {status, ""};
}

WinnersStatus Judgewinners(const uint8_t* bytes, size_t size, WinnersRecord& record) {
    record.Fresh();
    // Only an empty file starts fresh: a short one may still hold records.
    if (size == 0) return WinnersStatus::Fresh;
    if (size < kWinnersRecordLength || !Decodewinners(bytes, size, record)) return WinnersStatus::Damaged;
    return WinnersStatus::Ok;
}

double Filedatetime(const fs::path& file) {
    std::error_code ec;
    auto written = fs::last_write_time(file, ec);
    if (ec) return 0;
    // The file clock's epoch is the library's own: carry the time across by the two clocks' present.
    auto system = std::chrono::system_clock::now() + std::chrono::duration_cast<std::chrono::system_clock::duration>(
                                                         written - fs::file_time_type::clock::now());
    auto micros = std::chrono::duration_cast<std::chrono::microseconds>(system.time_since_epoch()).count();
    std::time_t seconds = static_cast<std::time_t>(micros / 1000000);
    std::tm local{};
    localtime_r(&seconds, &local);
    // Local wall-clock time, as the file list of the desktop shows it.
    double localSeconds =
        static_cast<double>(seconds + local.tm_gmtoff) + static_cast<double>(micros % 1000000) / 1e6;
    return localSeconds / 86400.0 + 25569.0;  // 1 January 1970 is day 25569
}

static WinnersResult Preparewinners(const fs::path& programFolder, int colours, WinnersRecord& buffer,
                                    Pendingfile& pending, std::optional<double> stamp = std::nullopt) {
    const fs::path file = Winnerspath(programFolder, colours);
    if (buffer.Namebytes() > kWinnersNameRoom) {
        return {WinnersStatus::NamesTooLong, "The names of the records file " + file.string() +
                                                 " would not fit in its record. Nothing has been saved."};
    }
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    std::string why;
    if (ec) why = "cannot make the folder " + file.parent_path().string();
    // The stamp is the time the file system gives the first write.
    if (!ec && pending.Prepare(file, Encodewinners(buffer), why)) {
        buffer.Stamp = stamp ? *stamp : Filedatetime(pending.Temporary());
        if (pending.Prepare(file, Encodewinners(buffer), why)) return {WinnersStatus::Ok, ""};
    }
    return {WinnersStatus::Unwritable,
            "The records file cannot be saved: " + why + ". The old file is kept."};
}

WinnersResult Writewinners(const fs::path& programFolder, int colours, WinnersRecord& buffer) {
    Pendingfile pending;
    WinnersResult result = Preparewinners(programFolder, colours, buffer, pending);
    std::string why;
    if (result.Usable() && !pending.Commit(why))
        result = {WinnersStatus::Unwritable,
                  "The records file cannot be saved: " + why + ". The old file is kept."};
    return result;
}

namespace {

fs::path Journalpath(const fs::path& programFolder) { return programFolder / "Winners" / "Winners.journal"; }

// The names the program gives the files of its records folder.
bool Recordsname(const std::string& name) {
    for (int colours = 5; colours <= 10; ++colours)
        if (name == "Winners" + std::to_string(colours)) return true;
    return name == "Winners.journal";
}

}  // namespace

WinnersResult Writeallwinners(const fs::path& programFolder, std::array<WinnersRecord, 11>& records,
                              std::optional<double> stamp) {
    std::array<Pendingfile, 11> pending;
    for (int colours = 5; colours <= 10; ++colours) {
        const size_t c = static_cast<size_t>(colours);
        WinnersResult result = Preparewinners(programFolder, colours, records[c], pending[c], stamp);
        if (!result.Usable()) return result;  // the temporaries go with `pending`
    }
    // The six renames are named in a journal before the first is made, so a
    // write cut off among them is finished at the next start and the player
    // never finds files of two runs side by side.
    std::string journal;
    for (int colours = 5; colours <= 10; ++colours) {
        const Pendingfile& file = pending[static_cast<size_t>(colours)];
        journal += file.Temporary().string() + '\n' + file.Target().string() + '\n';
    }
    std::string why;
    if (!Replacefile(Journalpath(programFolder), std::vector<uint8_t>(journal.begin(), journal.end()), why))
        return {WinnersStatus::Unwritable,
                "The records files cannot be saved: " + why + ". The old files are kept."};
    for (int colours = 5; colours <= 10; ++colours) {
        if (!pending[static_cast<size_t>(colours)].Commit(why))
            return {WinnersStatus::Unwritable, "The records file cannot be saved: " + why + "."};
    }
    std::error_code ignored;
    fs::remove(Journalpath(programFolder), ignored);
    return {WinnersStatus::Ok, ""};
}

void Tidyrecords(const fs::path& programFolder) {
    // First the renames of a write that was cut off, whose temporaries are
    // the new files; then whatever temporaries are left.
    const fs::path journal = Journalpath(programFolder);
    std::ifstream in(journal);
    std::string temporary, target;
    while (in && std::getline(in, temporary) && std::getline(in, target)) {
        const fs::path from(temporary), to(target);
        std::error_code ec;
        // Only a rename the program itself would make: its own temporary onto its target.
        if (from.parent_path() == to.parent_path() &&
            Istemporaryname(from.filename().string(), to.filename().string()) &&
            fs::is_regular_file(fs::symlink_status(from, ec)))
            fs::rename(from, to, ec);
    }
    std::error_code ignored;
    if (in.is_open()) fs::remove(journal, ignored);
    Removeleftovers(programFolder / "Winners", Recordsname);
    // A records file that is a link has its temporaries beside the file it leads to.
    for (int colours = 5; colours <= 10; ++colours) {
        const fs::path file = Winnerspath(programFolder, colours);
        if (fs::is_symlink(fs::symlink_status(file, ignored))) Removeleftovers(file);
    }
}

}  // namespace tallimor
