#pragma once
// A folder of its own for one test: made new under the system's temporary
// folder with a unique name, so tests run at once (ctest -j) or from two
// checkouts never share or remove each other's files.

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace tallimor {

inline std::filesystem::path Freshfolder(const std::string& name) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / ("tallimor-" + name + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a folder for " + name);
    return pattern;
}

}  // namespace tallimor
