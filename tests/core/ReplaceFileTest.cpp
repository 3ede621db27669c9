#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "files/FileOptionsStore.h"
#include "files/Opensavewashdata.h"
#include "files/Options.h"
#include "files/ReplaceFile.h"
#include "prices/PricesFile.h"
#include "support/SimBench.h"

using namespace korvanta;
using namespace korvanta::testing;
namespace fs = std::filesystem;

namespace {

enum class Op { CreateNew, Write, Sync, Close, SetMode, Link, Rename, Remove, SyncFolder };

// The real files, except that the n-th call of one operation fails. A failing write writes
// half of its bytes first, as a full disk does.
class FaultyFiles final : public FileLayer {
public:
    FaultyFiles(Op op, int nth) : op_(op), nth_(nth) {}
    int CreateNew(const std::string &path, unsigned mode) override {
        return Fails(Op::CreateNew) ? -1 : real_.CreateNew(path, mode);
    }
    bool Write(int file, const uint8_t *bytes, std::size_t count) override {
        if (Fails(Op::Write)) {
            real_.Write(file, bytes, count / 2);
            return false;
        }
        return real_.Write(file, bytes, count);
    }
    bool Sync(int file) override { return !Fails(Op::Sync) && real_.Sync(file); }
    bool Close(int file) override {
        const bool closed = real_.Close(file);
        return !Fails(Op::Close) && closed;
    }
    bool SetMode(const std::string &path, unsigned mode) override {
        return !Fails(Op::SetMode) && real_.SetMode(path, mode);
    }
    bool Link(const std::string &from, const std::string &to) override {
        return !Fails(Op::Link) && real_.Link(from, to);
    }
    bool Rename(const std::string &from, const std::string &to) override {
        return !Fails(Op::Rename) && real_.Rename(from, to);
    }
    bool Remove(const std::string &path) override {
        return !Fails(Op::Remove) && real_.Remove(path);
    }
    bool SyncFolder(const std::string &folder) override {
        return !Fails(Op::SyncFolder) && real_.SyncFolder(folder);
    }
    // True once the chosen call has come (and failed).
    bool Fired() const { return calls_ >= nth_; }

private:
    bool Fails(Op op) { return op == op_ && ++calls_ == nth_; }
    FileLayer &real_ = RealFiles();
    Op op_;
    int nth_;
    int calls_ = 0;
};

std::vector<uint8_t> Bytes(const std::string &text) {
    return {text.begin(), text.end()};
}

std::string Text(const TempFolder &folder, const std::string &name) {
    const std::vector<uint8_t> bytes = folder.Read(name);
    return {bytes.begin(), bytes.end()};
}

std::set<std::string> Names(const TempFolder &folder) {
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder.path))
        names.insert(entry.path().filename().string());
    return names;
}

bool Save(const TempFolder &folder, const std::string &text, FileLayer &files) {
    return ReplaceFile(folder.File("A.kvt"), Bytes(text), {folder.File("A.bak")}, files);
}

} // namespace

// Whatever step fails, the file and its older backup stay as they were and nothing else is left;
// a folder without hard links gets a copied backup; only a lost folder flush is reported after
// the new content is already in place.
TEST(ReplaceFile, AFailedStepLeavesTheFileAndItsBackupAsTheyWere) {
    struct Case {
        Op op;
        int nth;
        bool saved;
        const char *file;
        const char *backup;
    } const cases[] = {
        {Op::CreateNew, 1, false, "old", "older"}, // the folder refuses the temporary file
        {Op::Write, 1, false, "old", "older"},     // the disk fills part-way
        {Op::Sync, 1, false, "old", "older"},
        {Op::Close, 1, false, "old", "older"},
        {Op::SetMode, 1, false, "old", "older"},
        {Op::Rename, 1, false, "old", "older"}, // the new file cannot take the file's place
        {Op::Rename, 2, false, "old", "older"}, // the older backup cannot be replaced
        {Op::Link, 1, true, "new", "old"},      // no hard links: the backup is copied
        {Op::SyncFolder, 1, false, "new", "old"},
        {Op::Remove, 1, true, "new", "old"}, // nothing is left to remove after a good save
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.op) * 10 + c.nth);
        TempFolder folder;
        folder.Write("A.kvt", Bytes("old"));
        folder.Write("A.bak", Bytes("older"));
        FaultyFiles files(c.op, c.nth);
        EXPECT_EQ(Save(folder, "new", files), c.saved);
        EXPECT_EQ(Text(folder, "A.kvt"), c.file);
        EXPECT_EQ(Text(folder, "A.bak"), c.backup);
        EXPECT_EQ(Names(folder), (std::set<std::string>{"A.bak", "A.kvt"}));
    }
}

// A save cut short after writing its temporary file, as by a crash: nothing is renamed nor
// removed.
class Crashing final : public FileLayer {
public:
    int CreateNew(const std::string &p, unsigned m) override { return real_.CreateNew(p, m); }
    bool Write(int f, const uint8_t *b, std::size_t n) override { return real_.Write(f, b, n); }
    bool Sync(int f) override { return real_.Sync(f); }
    bool Close(int f) override { return real_.Close(f); }
    bool SetMode(const std::string &p, unsigned m) override { return real_.SetMode(p, m); }
    bool Link(const std::string &a, const std::string &b) override { return real_.Link(a, b); }
    bool Rename(const std::string &, const std::string &) override { return false; }
    bool Remove(const std::string &) override { return false; }
    bool SyncFolder(const std::string &f) override { return real_.SyncFolder(f); }

private:
    FileLayer &real_ = RealFiles();
};

// The next save of a file removes the temporary files that interrupted saves of it left, and
// those of the older naming, but not those of other files.
TEST(ReplaceFile, TheNextSaveRemovesLeftoversOfItsOwnFile) {
    TempFolder folder;
    folder.Write("A.kvt", Bytes("old"));
    folder.Write("B.kvt", Bytes("b"));
    folder.Write(".saving-0123456789abcdef", Bytes("left by an older save"));
    Crashing crashing;
    EXPECT_FALSE(Save(folder, "lost", crashing));
    EXPECT_FALSE(ReplaceFile(folder.File("B.kvt"), Bytes("lost"), {}, crashing));
    EXPECT_EQ(Names(folder).size(), 6u); // A, B, the old leftover, A's new file and backup, B's
    ASSERT_TRUE(Save(folder, "new", RealFiles()));
    EXPECT_EQ(Names(folder).size(), 4u); // A, A.bak, B and B's leftover
    EXPECT_EQ(Names(folder).count(".saving-0123456789abcdef"), 0u);
    EXPECT_EQ(Text(folder, "A.kvt"), "new");
    EXPECT_EQ(Text(folder, "A.bak"), "old");
    EXPECT_EQ(Text(folder, "B.kvt"), "b");
}

// The file a link names is replaced and the link stays; the permissions stay; a read-only
// file is refused although its folder may be written.
TEST(ReplaceFile, KeepsLinksAndPermissionsAndRefusesReadOnlyFiles) {
    struct Case {
        fs::perms mode;
        bool link;
        bool saved;
    } const cases[] = {
        {fs::perms::owner_read | fs::perms::owner_write, false, true},
        {fs::perms::owner_read | fs::perms::owner_write, true, true},
        {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, false, false},
        {fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode) * 2 + c.link);
        TempFolder folder;
        fs::create_directory(folder.path / "shared");
        const std::string shared = folder.Write("shared/S.kvt", Bytes("old"));
        fs::permissions(shared, c.mode);
        const std::string name = c.link ? "A.kvt" : "shared/S.kvt";
        if (c.link)
            fs::create_symlink(shared, folder.File("A.kvt"));
        EXPECT_EQ(ReplaceFile(folder.File(name), Bytes("new"), {folder.File("A.bak")}), c.saved);
        EXPECT_EQ(Text(folder, "shared/S.kvt"), c.saved ? "new" : "old");
        EXPECT_EQ(fs::status(shared).permissions(), c.mode);
        EXPECT_EQ(fs::is_symlink(folder.File("A.kvt")), c.link);
        EXPECT_EQ(Text(folder, "A.bak"), c.saved ? "old" : "");
        EXPECT_EQ(Names(folder).size(), 1u + c.link + c.saved);
        EXPECT_EQ(fs::directory_iterator(folder.path / "shared")->path().filename(), "S.kvt");
    }
}

TEST(ReplaceFile, ThePricesFileIsReplacedOrLeftAsItWas) {
    TempFolder folder;
    const std::string file = folder.Write("P.kvtprices", Bytes("old"));
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_EQ(SavePricesFile(file, DefaultPriceWords()), "Unable to save " + file);
    EXPECT_EQ(Text(folder, "P.kvtprices"), "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(SavePricesFile(file, DefaultPriceWords()), "");
    EXPECT_EQ(folder.Read("P.kvtprices"), EncodePricesFile(DefaultPriceWords()));
    EXPECT_EQ(Names(folder).size(), 1u);
}

// Every kind of file the program saves, with its n-th write, flush or rename failing, for
// every n until the save gets through: a failed save is reported, never success, and the
// previous file and its backup stay byte for byte; no temporary file is left. A lost folder
// flush comes after the new content took the file's place: it is reported, and the previous
// content is then in the backup where the kind keeps one.
TEST(ReplaceFile, EveryFailingStepOfEverySaveKeepsThePreviousFile) {
    using Saver =
        std::function<bool(const std::string &file, const std::string &backup, FileLayer &files)>;
    const struct {
        const char *file;
        const char *backup; // empty: the kind keeps none
        Saver save;
    } kinds[] = {
        {"A.kvt", "A.bak",
         [](const std::string &file, const std::string &backup, FileLayer &files) {
             WashData data;
             MachineConfig config;
             return SaveWashData(file, data, config, SaveContext{}, backup, files).ok;
         }},
        {"P.kvtprices", "P.bak",
         [](const std::string &file, const std::string &backup, FileLayer &files) {
             return SavePricesFile(file, DefaultPriceWords(), backup, files).empty();
         }},
        {"KorvantaPlanner.conf", "",
         [](const std::string &file, const std::string &, FileLayer &files) {
             FileOptionsStore store(file, files);
             const SaveOptionsResult saved = SaveOptions(store, ProgramOptions{});
             return saved.ok && saved.message.empty();
         }},
    };
    const std::string previous = "[General]\nCom%20Port=COM7\nOther=kept\n";
    for (const auto &kind : kinds) {
        for (const Op op : {Op::Write, Op::Sync, Op::Rename, Op::SyncFolder}) {
            for (int n = 1;; ++n) {
                SCOPED_TRACE(std::string(kind.file) + " op " +
                             std::to_string(static_cast<int>(op)) + " call " + std::to_string(n));
                ASSERT_LT(n, 10);
                TempFolder folder;
                const bool hasBackup = *kind.backup != 0;
                folder.Write(kind.file, Bytes(previous));
                if (hasBackup)
                    folder.Write(kind.backup, Bytes("older"));
                FaultyFiles files(op, n);
                const bool saved = kind.save(folder.File(kind.file),
                                             hasBackup ? folder.File(kind.backup) : "", files);
                std::set<std::string> names{kind.file};
                if (hasBackup)
                    names.insert(kind.backup);
                EXPECT_EQ(Names(folder), names);
                if (!files.Fired()) {
                    EXPECT_TRUE(saved);
                    break;
                }
                EXPECT_FALSE(saved);
                const bool replaced = op == Op::SyncFolder && Text(folder, kind.file) != previous;
                EXPECT_EQ(Text(folder, kind.file), replaced ? Text(folder, kind.file) : previous);
                if (hasBackup) {
                    EXPECT_EQ(Text(folder, kind.backup), replaced ? previous : "older");
                }
            }
        }
    }
}
