#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "files/ChooseFile.h"

using namespace korvanta;
namespace fs = std::filesystem;

namespace {

std::string Slashed(const fs::path &path) {
    return path.string() + "/";
}

void WriteFile(const fs::path &path, const std::string &content) {
    std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A documents folder of its own in the temporary folder, removed afterwards.
class ChooseFileFolders : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("kvt-choosefile-" + std::to_string(std::random_device{}()));
        fs::create_directories(root / "Documents");
        folders.documents = Slashed(root / "Documents");
        folders.data = Slashed(root / "Documents" / "Korvanta Planner");
        folders.temp = Slashed(root);
    }
    void TearDown() override { fs::remove_all(root); }

    std::string Washdata() const { return WashdataFolder(folders); }

    fs::path root;
    KnownFolders folders;
};

} // namespace

TEST(ChooseFileNames, SplitFilterAndBackup) {
    EXPECT_EQ(SplitPath("/a/b/c.kvt").folder, "/a/b/");
    EXPECT_EQ(SplitPath("/a/b/c.kvt").fileName, "c.kvt");
    EXPECT_EQ(SplitPath("c.kvt").folder, "");
    EXPECT_EQ(SplitPath("/a/b/").fileName, "");
    EXPECT_EQ(FileFilter("Korvanta Data Files", "kvt"), "Korvanta Data Files (*.kvt)");
    const struct {
        const char *path;
        const char *backup;
    } cases[] = {
        {"/w/Week.kvt", "/w/Week.bak"},
        {"/w/Week", "/w/Week.bak"},
        {"/w.old/Week", "/w.old/Week.bak"},
        {"/w/Week.1.kvt", "/w/Week.1.bak"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BackupPath(c.path), c.backup) << c.path;
}

TEST_F(ChooseFileFolders, FirstLoadFallsBackFolderByFolder) {
    // Nothing remembered: documents, then the data folder, then its wash data folder.
    EXPECT_EQ(ChooseFileStart("", Washdata(), folders).folder, folders.documents);
    fs::create_directories(folders.data);
    EXPECT_EQ(ChooseFileStart("", Washdata(), folders).folder, folders.data);
    fs::create_directories(Washdata());
    const FileDialogStart start = ChooseFileStart("", Washdata(), folders);
    EXPECT_EQ(start.folder, Washdata());
    EXPECT_EQ(start.fileName, "");
}

TEST_F(ChooseFileFolders, RememberedPathRules) {
    fs::create_directories(Washdata());
    const fs::path kept = root / "kept";
    fs::create_directories(kept);
    WriteFile(kept / "A.kvt", "x");
    const struct {
        std::string remembered;
        std::string folder;
        std::string fileName;
    } cases[] = {
        {(kept / "A.kvt").string(), Slashed(kept), "A.kvt"},
        {(kept / "Gone.kvt").string(), Slashed(kept), ""},
        {(root / "removed" / "A.kvt").string(), Washdata(), ""},
        {"A.kvt", Washdata(), "A.kvt"},
    };
    for (const auto &c : cases) {
        const FileDialogStart start = ChooseFileStart(c.remembered, Washdata(), folders);
        EXPECT_EQ(start.folder, c.folder) << c.remembered;
        EXPECT_EQ(start.fileName, c.fileName) << c.remembered;
    }
    // Without the default folder a removed folder leads to the data folder or documents.
    fs::remove_all(folders.data);
    EXPECT_EQ(ChooseFileStart((root / "removed" / "A.kvt").string(), Washdata(), folders).folder,
              folders.documents);
}

TEST_F(ChooseFileFolders, BackupKeepsTheReplacedContent) {
    const fs::path file = root / "A.kvt";
    EXPECT_FALSE(MakeBackup(file.string())); // nothing to keep yet
    WriteFile(file, "first");
    EXPECT_TRUE(MakeBackup(file.string()));
    EXPECT_EQ(ReadFile(file), "first"); // kept in place until a save replaces it
    EXPECT_EQ(ReadFile(root / "A.bak"), "first");
    WriteFile(file, "second");
    EXPECT_TRUE(MakeBackup(file.string()));
    EXPECT_EQ(ReadFile(root / "A.bak"), "second");
}

TEST_F(ChooseFileFolders, ABackupFileIsNotItsOwnBackup) {
    const fs::path file = root / "A.bak";
    WriteFile(file, "old");
    EXPECT_FALSE(MakeBackup(file.string()));
    EXPECT_EQ(ReadFile(file), "old");
}

TEST_F(ChooseFileFolders, WorkingFilesLiveInTheTemporaryFolder) {
    EXPECT_EQ(SendWorkingFile(folders), folders.temp + "Tworking.kvt");
    EXPECT_EQ(ReceiveWorkingFile(folders), folders.temp + "Rworking.kvt");
    EXPECT_EQ(Washdata(), folders.data + "Washdata/");
}
