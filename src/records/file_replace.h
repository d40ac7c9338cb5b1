#pragma once
// Replacing a file whole.  The new bytes go to a temporary file in the
// target's folder and are flushed to disk; only then does the temporary take
// the target's name, and the folder is flushed too.  A crash, a full disk or
// a power cut leaves either the old file or the new one, never a part.  A
// file the user made read-only is not replaced, and a replaced file keeps
// its permissions.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tallimor {

// A new version written to its temporary and waiting to replace its target.
class Pendingfile {
   public:
    Pendingfile() = default;
    Pendingfile(const Pendingfile&) = delete;
    Pendingfile& operator=(const Pendingfile&) = delete;
    Pendingfile(Pendingfile&& other) noexcept;
    Pendingfile& operator=(Pendingfile&& other) noexcept;
    ~Pendingfile();  // a pending file never committed is removed

    // Writes `bytes` to a new temporary beside `target`; false with `why`
    // (and nothing left behind) when that cannot be done.
    bool Prepare(const std::filesystem::path& target, const std::vector<uint8_t>& bytes, std::string& why);
    // The temporary takes the target's name.
    bool Commit(std::string& why);
    void Discard();

    const std::filesystem::path& Temporary() const { return temp_; }

   private:
    std::filesystem::path target_, temp_;
};

// Prepare and Commit in one.
bool Replacefile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes, std::string& why);

}  // namespace tallimor
