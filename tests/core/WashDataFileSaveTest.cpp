#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#ifdef __unix__
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "WashDataFileSamples.h"

using namespace korvanta;
namespace fs = std::filesystem;

namespace {

class WashDataFileSave : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() /
            ("kvt-save-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static FileImage ReadAll(const fs::path &path) {
        std::ifstream in(path, std::ios::binary);
        return FileImage(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteAll(const fs::path &path, const FileImage &bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<long>(bytes.size()));
    }
    std::size_t EntriesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }

    fs::path folder_;
};

} // namespace

TEST_F(WashDataFileSave, WritesTheImageAndLeavesNothingElse) {
    WashData data = samples::ThreeCycles();
    MachineConfig config = samples::SampleConfig();
    const fs::path target = folder_ / "Week.kvt";
    WriteAll(target, FileImage(10, 'x'));
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    const SaveResult result = SaveWashData(target.string(), data, config, samples::SampleContext());
    ASSERT_TRUE(result.ok);
    EXPECT_FALSE(result.message);
    WashData expectedData = samples::ThreeCycles();
    MachineConfig expectedConfig = samples::SampleConfig();
    EXPECT_EQ(ReadAll(target),
              WriteWashData(expectedData, expectedConfig, samples::SampleContext()));
    EXPECT_EQ(config.saveStamp, "0812251155");
    EXPECT_EQ(EntriesInFolder(), 1u) << "no temporary file is left beside the target";
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    WashData loaded;
    MachineConfig loadedConfig;
    const LoadResult load = LoadWashData(target.string(), loaded, loadedConfig);
    ASSERT_TRUE(load.ok);
    EXPECT_EQ(load.formatByte, 44);
    EXPECT_TRUE(loaded.SameContent(data));
}

// The temporary file has a short name of its own: a target name of the longest length the
// folder allows still saves.
TEST_F(WashDataFileSave, LongestFileNameSaves) {
    const fs::path target = folder_ / (std::string(251, 'n') + ".kvt");
    WashData data;
    MachineConfig config;
    EXPECT_TRUE(SaveWashData(target.string(), data, config, samples::SampleContext()).ok);
    EXPECT_EQ(ReadAll(target).size(), 61u);
}

TEST_F(WashDataFileSave, FailuresReportThePathAndChangeNothing) {
    fs::create_directories(folder_ / "a-folder.kvt");
    WriteAll(folder_ / "plain-file", FileImage(3, 'x'));
    const fs::path targets[] = {folder_ / "missing" / "x.kvt", folder_ / "a-folder.kvt",
                                folder_ / "plain-file" / "x.kvt"};
    for (const fs::path &target : targets) {
        WashData data = samples::ThreeCycles();
        data.At(4).SetCode(1, 0x01); // a Fill Code1 that a save would correct
        MachineConfig config = samples::SampleConfig();
        const SaveResult result =
            SaveWashData(target.string(), data, config, samples::SampleContext());
        EXPECT_FALSE(result.ok) << target;
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->text, "Unable to save " + target.string());
        EXPECT_EQ(data.At(4).Code(1), 0x01) << "memory is untouched by a failed save";
        EXPECT_EQ(config.saveStamp, "");
    }
    EXPECT_EQ(EntriesInFolder(), 2u);
}

#ifdef __unix__
// The file a link names gets the new content; the link stays a link.
TEST_F(WashDataFileSave, SavingThroughALinkKeepsTheLink) {
    const fs::path real = folder_ / "real.kvt";
    const fs::path link = folder_ / "link.kvt";
    WriteAll(real, FileImage(5, 1));
    fs::create_symlink(real, link);
    WashData data;
    MachineConfig config;
    ASSERT_TRUE(SaveWashData(link.string(), data, config, samples::SampleContext()).ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadAll(real).size(), 61u);
    EXPECT_EQ(EntriesInFolder(), 2u);
}

// A read-only file is not replaced, although its folder would allow a rename over it, and
// nothing is saved into a read-only folder.
TEST_F(WashDataFileSave, ReadOnlyFileOrFolderIsNotReplaced) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser may write any file";
    const fs::path target = folder_ / "Locked.kvt";
    WriteAll(target, FileImage(7, 2));
    fs::permissions(target, fs::perms::owner_read);
    WashData data;
    MachineConfig config;
    const SaveResult result = SaveWashData(target.string(), data, config, samples::SampleContext());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(ReadAll(target), FileImage(7, 2));
    fs::permissions(target, fs::perms::owner_all);

    // A writable file in a folder that may not be written: no temporary file can be made.
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    const SaveResult inLockedFolder =
        SaveWashData(target.string(), data, config, samples::SampleContext());
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_FALSE(inLockedFolder.ok);
    EXPECT_EQ(ReadAll(target), FileImage(7, 2));
    EXPECT_EQ(EntriesInFolder(), 1u);
}

// A write that fails part way (here the file size limit, as a full disk would) leaves the
// previous file whole.
TEST_F(WashDataFileSave, FailedWriteKeepsThePreviousFile) {
    const fs::path target = folder_ / "Keep.kvt";
    const FileImage previous(61, 0x55);
    WriteAll(target, previous);

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 100;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    WashData data = samples::ThreeCycles();
    MachineConfig config = samples::SampleConfig();
    const SaveResult result = SaveWashData(target.string(), data, config, samples::SampleContext());
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.message);
    EXPECT_EQ(result.message->text, "Unable to save " + target.string());
    EXPECT_EQ(ReadAll(target), previous);
    EXPECT_EQ(EntriesInFolder(), 1u);
}
#endif

TEST_F(WashDataFileSave, LoadFailuresReportThePath) {
    fs::create_directories(folder_ / "dir.kvt");
    for (const fs::path &path : {folder_ / "none.kvt", folder_ / "dir.kvt"}) {
        WashData data = samples::ThreeCycles();
        MachineConfig config = samples::SampleConfig();
        config.saveStamp = "kept";
        const LoadResult result = LoadWashData(path.string(), data, config);
        EXPECT_FALSE(result.ok);
        ASSERT_TRUE(result.message);
        EXPECT_EQ(result.message->text, "Unable to open " + path.string());
        EXPECT_FALSE(result.rejected);
        EXPECT_TRUE(data.SameContent(samples::ThreeCycles())) << "data stays as it was";
        EXPECT_EQ(config.saveStamp, "kept");
    }
}

// Only the first 16 MiB of a file are read: what lies beyond counts as absent.
TEST_F(WashDataFileSave, OversizedFileIsReadToItsLimit) {
    WashData data;
    MachineConfig config;
    FileImage image = WriteWashData(data, config, samples::SampleContext());
    image.pop_back();                                  // DataEnd
    image.resize(16 * 1024 * 1024, 9);                 // type bytes that are skipped
    image.insert(image.end(), {4, 1, 2, 3, 254, 255}); // beyond the limit
    const fs::path path = folder_ / "huge.kvt";
    WriteAll(path, image);
    WashData loaded;
    ASSERT_TRUE(LoadWashData(path.string(), loaded, config).ok);
    EXPECT_TRUE(loaded.SameContent(WashData()));
}
