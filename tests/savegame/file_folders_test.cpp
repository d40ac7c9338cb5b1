// The file window's view of the file system: what a folder lists, and the
// folder chain and place of a path (the flow tests cover the typed names).

#include "savegame/file_folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "fresh_folder.h"

namespace tallimor {
namespace {

TEST(FileFolders, AFolderListsItsSubfoldersAndItsSavedGamesOnly) {
    const auto root = Freshfolder("folders");
    for (const char* sub : {"zeta", "alpha", ".hidden"}) std::filesystem::create_directories(root / sub);
    for (const char* name : {"b.mm", "a.mm", "c.MM", "notes.txt", ".mm"}) std::ofstream(root / name) << "x";
    const Foldercontents c = Listfolder(root.string());
    EXPECT_TRUE(c.ok);
    EXPECT_EQ(c.folders, (std::vector<std::string>{"alpha", "zeta"}));
    EXPECT_EQ(c.files, (std::vector<std::string>{"a.mm", "b.mm"}));
    EXPECT_EQ(Lookupfile((root / "alpha").string()), Fileexistence::Missing);  // a folder is no game
    EXPECT_FALSE(Listfolder((root / "none").string()).ok);
    std::filesystem::remove_all(root);
}

TEST(FileFolders, APathHasItsChainAndItsPlace) {
    EXPECT_EQ(Folderchain("/home/ann/../bob/Files"),
              (std::vector<std::string>{"/", "/home/", "/home/bob/", "/home/bob/Files/"}));
    const std::vector<std::string> places{"/", "/home/ann/", "/media/usb/"};
    EXPECT_EQ(Placeof(places, "/home/ann/Files"), 1);
    EXPECT_EQ(Placeof(places, "/media/usb"), 2);
    EXPECT_EQ(Placeof(places, "/home/annex/"), 0);  // a prefix of a name is not the place
}

}  // namespace
}  // namespace tallimor
