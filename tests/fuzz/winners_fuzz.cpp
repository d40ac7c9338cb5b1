// Fuzz target for the records-file reader: an empty file reads as a fresh record and a short one
// as damaged, what it accepts is written and read back unchanged, a refusal leaves a fresh
// record, and text survives the trip between Windows-1252 and UTF-8.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "records/winners_file.h"

using namespace tallimor;

static void Require(bool ok, const char* what) {
    if (!ok) std::fprintf(stderr, "winners fuzz target: %s\n", what), std::abort();
}

// Floating values by their bits: the file keeps them to the byte, a NaN stamp too.
static bool Samerecord(const WinnersRecord& a, const WinnersRecord& b) {
    return std::memcmp(&a.Stamp, &b.Stamp, sizeof a.Stamp) == 0 && a.Topname == b.Topname &&
           a.Toptime == b.Toptime && a.Topattempts == b.Topattempts && a.Population == b.Population &&
           std::memcmp(a.Average.data(), b.Average.data(), sizeof a.Average) == 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The text mappings go byte by byte: a prefix covers them in a fraction of the time.
    const std::string ansi(reinterpret_cast<const char*>(data), size < 1024 ? size : 1024);
    std::string expected = ansi;  // the five bytes without a character come back as '?'
    for (char& c : expected)
        if (c != 0 && std::strchr("\x81\x8D\x8F\x90\x9D", c)) c = '?';
    Require(Utf8toansi(Ansitoutf8(ansi)) == expected, "Windows-1252 text changed on its way through UTF-8");
    Require(Utf8toansi(ansi).size() <= ansi.size(), "UTF-8 text gave more characters than bytes");

    static const WinnersRecord fresh;
    // The file as the reader takes it: only an empty file starts fresh, and
    // a short one is damaged, whatever it holds.
    WinnersRecord judged;
    judged.Topname[0] = "stale";
    const WinnersStatus status = Judgewinners(data, size, judged);
    Require(size > 0 || status == WinnersStatus::Fresh, "an empty file is not read as a fresh record");
    Require(size == 0 || size >= kWinnersRecordLength || status == WinnersStatus::Damaged,
            "a short file was not refused as damaged");
    Require(status == WinnersStatus::Ok || Samerecord(judged, fresh),
            "a file not read left a record that is not fresh");

    WinnersRecord first;
    first.Topname[0] = "stale";  // which a refusal must clear
    const bool accepted = Decodewinners(data, size, first);
    Require(accepted || Samerecord(first, fresh), "a refused file left a record that is not fresh");
    Require((status == WinnersStatus::Ok) == (accepted && size >= kWinnersRecordLength) &&
                (!accepted || size < kWinnersRecordLength || Samerecord(first, judged)),
            "a full file was judged otherwise than its record");
    if (!accepted) return 0;
    const std::vector<uint8_t> bytes = Encodewinners(first);
    WinnersRecord second;
    Require(bytes.size() == kWinnersRecordLength && Decodewinners(bytes.data(), bytes.size(), second),
            "an accepted record could not be written and read back");
    Require(Samerecord(first, second) && Encodewinners(second) == bytes,
            "a written record read back differently");
    return 0;
}
