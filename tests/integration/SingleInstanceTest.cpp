#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "config/MachineConfig.h"
#include "files/Opensavewashdata.h"

extern char **environ;

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

const fs::path kPlanner = fs::path(KVT_BIN_DIR) / "src/app/planner/korvanta-planner";

// One korvanta-planner process, offscreen, with its temporary folder, settings and documents
// in the test's own folder, so that it meets only the copies this test starts.
class PlannerProcess {
public:
    PlannerProcess(const fs::path &home, const std::vector<std::string> &args,
                   const std::string &user = "alice") {
        std::vector<std::string> argStore = {kPlanner.string()};
        argStore.insert(argStore.end(), args.begin(), args.end());
        const std::map<std::string, std::string> overrides = {
            {"TMPDIR", (home / "tmp").string()},
            {"HOME", home.string()},
            {"XDG_CONFIG_HOME", (home / "config").string()},
            {"XDG_RUNTIME_DIR", (home / ("runtime-" + user)).string()},
            {"USER", user},
            {"QT_QPA_PLATFORM", "offscreen"}};
        std::vector<std::string> envStore;
        for (char **e = environ; *e; ++e) {
            const std::string entry = *e;
            if (!overrides.count(entry.substr(0, entry.find('='))))
                envStore.push_back(entry);
        }
        for (const auto &[name, value] : overrides)
            envStore.push_back(name + "=" + value);
        std::vector<char *> argv, envp;
        for (auto &a : argStore)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        for (auto &e : envStore)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~PlannerProcess() { Kill(SIGKILL); }

    bool Started() const { return pid_ > 0; }
    bool Running() {
        Reap(false);
        return pid_ > 0 && !exitStatus_;
    }
    // Waits for the end of the process; its exit code, or nothing when it is still running.
    std::optional<int> WaitExit(std::chrono::milliseconds limit) {
        const auto end = Clock::now() + limit;
        while (!Reap(false) && Clock::now() < end)
            std::this_thread::sleep_for(20ms);
        if (!exitStatus_ || !WIFEXITED(*exitStatus_))
            return std::nullopt;
        return WEXITSTATUS(*exitStatus_);
    }
    void Kill(int signal) {
        if (pid_ > 0 && !exitStatus_) {
            ::kill(pid_, signal);
            Reap(true);
        }
    }

private:
    bool Reap(bool block) {
        if (exitStatus_)
            return true;
        int status = 0;
        if (pid_ > 0 && waitpid(pid_, &status, block ? 0 : WNOHANG) == pid_)
            exitStatus_ = status;
        return exitStatus_.has_value();
    }

    pid_t pid_ = -1;
    std::optional<int> exitStatus_;
};

class SingleInstance : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kPlanner))
            GTEST_SKIP() << "korvanta-planner is not built";
        home_ = fs::temp_directory_path() /
                ("kvt-single-" + std::to_string(getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(home_);
        for (const char *folder : {"tmp", "config", "runtime-alice", "runtime-bob"})
            fs::create_directories(home_ / folder);
        for (const char *folder : {"runtime-alice", "runtime-bob"})
            fs::permissions(home_ / folder, fs::perms::owner_all, fs::perm_options::replace);
        file_ = (home_ / "Week.kvt").string();
        korvanta::WashData data;
        korvanta::MachineConfig config;
        ASSERT_TRUE(korvanta::SaveWashData(file_, data, config, {}).ok);
    }
    void TearDown() override { fs::remove_all(home_); }

    // The running copy listens once its socket exists in its user's runtime folder.
    bool WaitListening(PlannerProcess &process, const std::string &user = "alice") {
        const fs::path socket = home_ / ("runtime-" + user) / ("KorvantaPlannerProgram-" + user);
        const auto end = Clock::now() + 15s;
        while (Clock::now() < end && process.Running()) {
            if (fs::exists(socket))
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return false;
    }

    // A second start with the file: the seconds until it ended (with exit code 0).
    double HandOverSeconds(const std::string &user = "alice") {
        const auto start = Clock::now();
        PlannerProcess second(home_, {file_}, user);
        EXPECT_TRUE(second.Started());
        EXPECT_EQ(second.WaitExit(15s), 0);
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

    fs::path home_;
    std::string file_;
};

} // namespace

// The running copy empties the hand-over block at once: the second start ends after its first
// poll instead of waiting out the 20 polls.
TEST_F(SingleInstance, SecondStartHandsItsFileToTheRunningCopy) {
    PlannerProcess first(home_, {});
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(WaitListening(first));
    EXPECT_LT(HandOverSeconds(), 4.0);
    EXPECT_TRUE(first.Running());
    // And again: the block is ready for the next hand-over.
    EXPECT_LT(HandOverSeconds(), 4.0);
    EXPECT_TRUE(first.Running());
}

// A copy that crashed leaves its lock, its block and its socket behind; the next start takes
// them over and serves hand-overs itself.
TEST_F(SingleInstance, CrashedCopyDoesNotStopTheNextStart) {
    {
        PlannerProcess crashed(home_, {});
        ASSERT_TRUE(crashed.Started());
        ASSERT_TRUE(WaitListening(crashed));
        crashed.Kill(SIGKILL);
    }
    ASSERT_TRUE(fs::exists(home_ / "runtime-alice" / "KorvantaPlannerProgram-alice.lock"));
    PlannerProcess next(home_, {});
    ASSERT_TRUE(next.Started());
    std::this_thread::sleep_for(1500ms);
    ASSERT_TRUE(next.Running()) << "the next start took itself for a second copy";
    EXPECT_LT(HandOverSeconds(), 4.0);
    EXPECT_TRUE(next.Running());
}

// Each user has a copy of their own: another user's running copy neither takes the file nor
// keeps the start from opening a window, and each copy serves its own user's hand-overs.
TEST_F(SingleInstance, EachUserHasACopyOfTheirOwn) {
    PlannerProcess alice(home_, {});
    ASSERT_TRUE(alice.Started());
    ASSERT_TRUE(WaitListening(alice, "alice"));
    PlannerProcess bob(home_, {file_}, "bob");
    ASSERT_TRUE(bob.Started());
    ASSERT_TRUE(WaitListening(bob, "bob")) << "bob's start handed over to alice's copy";
    EXPECT_LT(HandOverSeconds("bob"), 4.0);
    EXPECT_LT(HandOverSeconds("alice"), 4.0);
    EXPECT_TRUE(alice.Running());
    EXPECT_TRUE(bob.Running());
    EXPECT_FALSE(fs::exists(home_ / "tmp" / "KorvantaPlannerProgram.lock"));
}
