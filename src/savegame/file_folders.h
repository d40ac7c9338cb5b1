#pragma once
// What the Open and Save As window needs of the file system: the places to
// look in, a folder's subfolders and saved games, the path a typed name
// gives, and whether a file is there.  Every call reports a failure (an
// empty or partial result) and never throws, since any folder may vanish or
// refuse to be read while it is listed.

#include <string>
#include <vector>

namespace tallimor {

// A saved game's name ends in exactly ".mm"; any other ending, ".MM"
// included, gets ".mm" appended.  `folder` gets a "/" unless it has one.
std::string Gamepath(const std::string& folder, const std::string& name);

// The folder with a "/" at its end.
std::string Withslash(const std::string& folder);

// The places a saved game may be looked for: the root folder, the home
// folder, and the mounted volumes under /media, /mnt and /run/media.
std::vector<std::string> Placelist(const std::string& home);

// The place of `places` that holds `folder` (the longest that is a prefix),
// as an index; 0 when none does.
int Placeof(const std::vector<std::string>& places, const std::string& folder);

struct Foldercontents {
    bool ok = false;                   // the folder could be listed
    std::vector<std::string> folders;  // subfolder names, sorted
    std::vector<std::string> files;    // names ending in ".mm", sorted
};
Foldercontents Listfolder(const std::string& folder);

// An absolute folder without "." or ".." steps, with a "/" at its end.
std::string Normalfolder(const std::string& folder);

// The folder chain from the root down to `folder`, each a full path with a
// "/" at its end: "/", "/home/", "/home/ann/".
std::vector<std::string> Folderchain(const std::string& folder);

enum class Fileexistence { Exists, Missing, Unreadable };
Fileexistence Lookupfile(const std::string& path);

// Makes the folder and its parents when they are missing; true when it is there.
bool Makefolder(const std::string& folder);

// True when the file is gone afterwards.
bool Removefile(const std::string& path);

}  // namespace tallimor
