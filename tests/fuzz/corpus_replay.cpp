// Runs a fuzz target over every file of a folder without libFuzzer, so the
// normal suite replays the committed corpus and each crash found.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    size_t inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(argc == 2 ? argv[1] : "missing corpus")) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(in), {});
        std::fprintf(stderr, "%s\n", entry.path().filename().c_str());  // names the input that stops the run
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
        ++inputs;
    }
    std::printf("%zu inputs replayed\n", inputs);
    return inputs == 0;  // an empty corpus tests nothing
}
