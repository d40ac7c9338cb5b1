#pragma once
// Replacing a file whole.  The new bytes go to a temporary file in the
// target's folder and are flushed to disk; only then does the temporary take
// the target's name, and the folder is flushed too.  A crash, a full disk or
// a power cut leaves either the old file or the new one, never a part.  A
// file the user made read-only is not replaced, and a replaced file keeps
// its permissions.  A target that is a symbolic link is written through the
// link: its final target is replaced and the link stays.
//
// A temporary is named after its target: "Winners5" is written as
// "Winners5.tallimor-" and six letters or digits.  A write that was killed
// leaves one behind; Removeleftovers finds them by that name.

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
    // The file the temporary replaces: the target, or where its links lead.
    const std::filesystem::path& Target() const { return target_; }
    // The system's error number of the last failure (0 when none).
    int Error() const { return error_; }

   private:
    std::filesystem::path target_, temp_;
    int error_ = 0;
};

// Prepare and Commit in one; `error` takes the system's error number of a failure.
bool Replacefile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes, std::string& why);
bool Replacefile(const std::filesystem::path& target, const std::vector<uint8_t>& bytes, std::string& why,
                 int& error);

// Where `path` leads when it is a symbolic link (a chain of them followed to
// its end, which need not exist yet); `path` itself otherwise.
std::filesystem::path Linkend(const std::filesystem::path& path);

// True when `file` is named as a temporary of a target named `target` (names only).
bool Istemporaryname(const std::string& file, const std::string& target);

// Removes, in `folder`, the regular files named as temporaries of a target
// whose name `ours` accepts; nothing else.  Returns how many went.
int Removeleftovers(const std::filesystem::path& folder, bool (*ours)(const std::string& target));
// The same for the temporaries of one target.
int Removeleftovers(const std::filesystem::path& target);

}  // namespace tallimor
