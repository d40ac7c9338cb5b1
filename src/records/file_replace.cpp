#include "records/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

namespace tallimor {

namespace fs = std::filesystem;

namespace {

std::string Errortext() { return std::strerror(errno); }

bool Writeall(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

void Syncfolder(const fs::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

Pendingfile::Pendingfile(Pendingfile&& other) noexcept
    : target_(std::move(other.target_)), temp_(std::move(other.temp_)) {
    other.temp_.clear();
}

Pendingfile& Pendingfile::operator=(Pendingfile&& other) noexcept {
    if (this != &other) {
        Discard();
        target_ = std::move(other.target_);
        temp_ = std::move(other.temp_);
        other.temp_.clear();
    }
    return *this;
}

Pendingfile::~Pendingfile() { Discard(); }

void Pendingfile::Discard() {
    if (temp_.empty()) return;
    std::error_code ignored;
    fs::remove(temp_, ignored);
    temp_.clear();
}

bool Pendingfile::Prepare(const fs::path& target, const std::vector<uint8_t>& bytes, std::string& why) {
    Discard();
    target_ = target;
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) {
        // The owner's write bit counts even for a user whom the system lets write anyway.
        if ((old.st_mode & S_IWUSR) == 0 || ::access(target.c_str(), W_OK) != 0) {
            why = target.string() + " is read-only";
            return false;
        }
        mode = old.st_mode & 07777;
    }
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    struct stat place {};
    if (::stat(folder.c_str(), &place) == 0 && (place.st_mode & S_IWUSR) == 0) {
        why = folder.string() + " is read-only";
        return false;
    }
    std::string pattern = target.string() + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        why = "cannot create a file in " + target.parent_path().string() + ": " + Errortext();
        return false;
    }
    temp_ = pattern;
    const bool written = Writeall(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const std::string error = Errortext();
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        why = "cannot write " + target.string() + ": " + error;
        Discard();
        return false;
    }
    return true;
}

bool Pendingfile::Commit(std::string& why) {
    if (temp_.empty()) {
        why = "nothing to write to " + target_.string();
        return false;
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        why = "cannot replace " + target_.string() + ": " + Errortext();
        Discard();
        return false;
    }
    temp_.clear();
    Syncfolder(target_.parent_path());
    return true;
}

bool Replacefile(const fs::path& target, const std::vector<uint8_t>& bytes, std::string& why) {
    Pendingfile file;
    return file.Prepare(target, bytes, why) && file.Commit(why);
}

}  // namespace tallimor
