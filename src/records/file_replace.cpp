#include "records/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <functional>
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

constexpr const char* kTemporarymark = ".tallimor-";
constexpr size_t kTemporaryletters = 6;  // what mkstemp puts for "XXXXXX"

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
    error_ = 0;
    // A link stays a link: the file it leads to is the one replaced.
    target_ = Linkend(target);
    mode_t mode = 0644;
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0) {
        // The owner's write bit counts even for a user whom the system lets write anyway.
        if ((old.st_mode & S_IWUSR) == 0 || ::access(target_.c_str(), W_OK) != 0) {
            error_ = EACCES;
            why = target.string() + " is read-only";
            return false;
        }
        mode = old.st_mode & 07777;
    }
    const fs::path folder = target_.parent_path().empty() ? fs::path(".") : target_.parent_path();
    struct stat place {};
    if (::stat(folder.c_str(), &place) == 0 && (place.st_mode & S_IWUSR) == 0) {
        error_ = EACCES;
        why = folder.string() + " is read-only";
        return false;
    }
    std::string pattern = target_.string() + kTemporarymark + std::string(kTemporaryletters, 'X');
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error_ = errno;
        why = "cannot create a file in " + folder.string() + ": " + Errortext();
        return false;
    }
    temp_ = pattern;
    const bool written = Writeall(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    const int writeerror = written ? 0 : (errno ? errno : ENOSPC);  // a short write is a full disk
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        error_ = written ? errno : writeerror;
        why = "cannot write " + target.string() + ": " + std::strerror(error_);
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
        error_ = errno;
        why = "cannot replace " + target_.string() + ": " + Errortext();
        Discard();
        return false;
    }
    temp_.clear();
    Syncfolder(target_.parent_path());
    return true;
}

bool Replacefile(const fs::path& target, const std::vector<uint8_t>& bytes, std::string& why) {
    int error = 0;
    return Replacefile(target, bytes, why, error);
}

bool Replacefile(const fs::path& target, const std::vector<uint8_t>& bytes, std::string& why, int& error) {
    Pendingfile file;
    const bool done = file.Prepare(target, bytes, why) && file.Commit(why);
    error = file.Error();
    return done;
}

fs::path Linkend(const fs::path& path) {
    fs::path end = path;
    // A loop of links ends somewhere: writing there then fails with the system's reason.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(end, ec))) break;
        const fs::path next = fs::read_symlink(end, ec);
        if (ec) break;
        end = next.is_absolute() ? next : end.parent_path() / next;
    }
    return end;
}

bool Istemporaryname(const std::string& file, const std::string& target) {
    const std::string stem = target + kTemporarymark;
    if (target.empty() || file.size() != stem.size() + kTemporaryletters ||
        file.compare(0, stem.size(), stem) != 0)
        return false;
    return std::all_of(file.begin() + static_cast<std::ptrdiff_t>(stem.size()), file.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

namespace {

int Removematching(const fs::path& folder, const std::function<bool(const std::string&)>& leftover) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        std::error_code kind;
        // A link or a folder of that name is not one the program made.
        if (!leftover(name) || !fs::is_regular_file(fs::symlink_status(it->path(), kind))) continue;
        if (fs::remove(it->path(), kind)) ++removed;
    }
    return removed;
}

}  // namespace

int Removeleftovers(const fs::path& folder, bool (*ours)(const std::string& target)) {
    return Removematching(folder, [ours](const std::string& name) {
        const size_t mark = name.rfind(kTemporarymark);
        return mark != std::string::npos && ours(name.substr(0, mark)) &&
               Istemporaryname(name, name.substr(0, mark));
    });
}

int Removeleftovers(const fs::path& target) {
    const fs::path end = Linkend(target);
    const std::string name = end.filename().string();
    return Removematching(end.parent_path().empty() ? fs::path(".") : end.parent_path(),
                          [&name](const std::string& file) { return Istemporaryname(file, name); });
}

}  // namespace tallimor
