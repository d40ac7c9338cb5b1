#include "savegame/file_folders.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tallimor {

namespace fs = std::filesystem;

std::string Withslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '/' ? folder : folder + "/";
}

namespace {

// Exactly ".mm" at the end; ".MM" is another ending.
bool Endsinmm(const std::string& name) {
    return name.size() >= 3 && name.compare(name.size() - 3, 3, ".mm") == 0;
}

}  // namespace

std::string Gamepath(const std::string& folder, const std::string& name) {
    return Withslash(folder) + name + (Endsinmm(name) ? "" : ".mm");
}

namespace {

bool Octaldigit(char c) { return c >= '0' && c <= '7'; }

// Mount points are written with three-digit octal escapes for blanks and the
// like; anything else is taken as it stands.
std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && Octaldigit(field[i + 1]) &&
            Octaldigit(field[i + 2]) && Octaldigit(field[i + 3])) {
            out += static_cast<char>(
                ((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0')) & 0xff);
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool Volumefolder(const std::string& path) {
    for (const char* root : {"/media/", "/mnt/", "/run/media/"})
        if (path.rfind(root, 0) == 0 && path.size() > std::string(root).size()) return true;
    return false;
}

}  // namespace

std::vector<std::string> Placelist(const std::string& home) {
    std::vector<std::string> places{"/"};
    if (!home.empty() && Withslash(home) != "/") places.push_back(Withslash(home));
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, point;
        if (!(fields >> device >> point)) continue;
        point = Withslash(Unescape(point));
        if (Volumefolder(point) && std::find(places.begin(), places.end(), point) == places.end())
            places.push_back(point);
    }
    return places;
}

int Placeof(const std::vector<std::string>& places, const std::string& folder) {
    const std::string path = Withslash(folder);
    int best = 0;
    size_t length = 0;
    for (size_t i = 0; i < places.size(); ++i)
        if (path.rfind(places[i], 0) == 0 && places[i].size() > length) {
            best = static_cast<int>(i);
            length = places[i].size();
        }
    return best;
}

Foldercontents Listfolder(const std::string& folder) {
    Foldercontents contents;
    std::error_code ec;
    fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
    if (ec) return contents;
    // Stepping on with an error code: a folder that vanishes while it is
    // read ends the list there instead of throwing.
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code kind;
        const std::string name = entry.path().filename().string();
        if (entry.is_directory(kind)) {
            if (name.empty() || name[0] != '.') contents.folders.push_back(name);
        } else if (name.size() > 3 && Endsinmm(name)) {
            contents.files.push_back(name);
        }
    }
    std::sort(contents.folders.begin(), contents.folders.end());
    std::sort(contents.files.begin(), contents.files.end());
    contents.ok = true;
    return contents;
}

std::string Normalfolder(const std::string& folder) {
    const std::string path = fs::path(folder.empty() ? "/" : folder).lexically_normal().string();
    return Withslash(path[0] == '/' ? path : "/" + path);
}

std::vector<std::string> Folderchain(const std::string& folder) {
    std::vector<std::string> chain{"/"};
    std::string path = "/";
    std::istringstream parts(Normalfolder(folder));
    std::string part;
    while (std::getline(parts, part, '/')) {
        if (part.empty() || part == ".") continue;
        path += part + "/";
        chain.push_back(path);
    }
    return chain;
}

Fileexistence Lookupfile(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return Fileexistence::Missing;
    if (ec) return Fileexistence::Unreadable;
    return fs::is_regular_file(status) ? Fileexistence::Exists : Fileexistence::Missing;
}

bool Makefolder(const std::string& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    return fs::is_directory(folder, ec);
}

bool Removefile(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
    return Lookupfile(path) == Fileexistence::Missing;
}

}  // namespace tallimor
