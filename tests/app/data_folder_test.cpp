#include "data_folder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace dakru::app {
namespace {

// A program in root/bin, an installed data folder at root/share/dakru and two
// standard data folders; each case fills some of them.
struct Case {
    const char* name;
    QStringList filled;  // folders given Pictures/ and Sounds/ ("...:half" gives only Pictures/)
    std::optional<QString> found;
    QStringList places;
};

TEST(DataFolder, BesideTheProgramThenTheInstalledFolderThenTheStandardFolders)
{
    const QStringList all{"bin", "share/dakru", "std1/dakru", "std2/dakru"};
    const Case cases[] = {
        {"beside the program wins", {"bin", "share/dakru", "std1/dakru"}, "bin", {"bin"}},
        {"installed beside share/", {"share/dakru", "std2/dakru"}, "share/dakru", {"bin", "share/dakru"}},
        {"a half folder does not count", {"bin:half", "share/dakru:half", "std2/dakru"}, "std2/dakru", all},
        {"nothing anywhere", {}, std::nullopt, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir root;
        const QDir dir(root.path());
        for (const QString& name : all)
            dir.mkpath(name);
        for (const QString& entry : c.filled) {
            const QString folder = entry.section(':', 0, 0);
            dir.mkpath(folder + "/Pictures");
            if (!entry.endsWith(":half"))
                dir.mkpath(folder + "/Sounds");
        }

        const DataSearch search =
            findDataFolder(dir.filePath("bin"), "../share/dakru", {dir.filePath("std1"), dir.filePath("std2")});

        QStringList places;
        for (const QString& place : search.places)
            places << dir.relativeFilePath(place);
        EXPECT_EQ(places, c.places);
        EXPECT_EQ(search.folder.has_value(), c.found.has_value());
        if (search.folder && c.found) {
            EXPECT_EQ(*search.folder, dir.filePath(*c.found));
        }
    }
}

TEST(DataFolder, AStandardFolderThatIsTheInstalledOneIsLookedAtOnce)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    dir.mkpath("usr/bin");
    const DataSearch search = findDataFolder(dir.filePath("usr/bin"), "../share/dakru",
                                             {dir.filePath("usr/share"), dir.filePath("usr/share/")});
    EXPECT_FALSE(search.folder);
    EXPECT_EQ(search.places, (QStringList{dir.filePath("usr/bin"), dir.filePath("usr/share/dakru")}));
}

}  // namespace
}  // namespace dakru::app
