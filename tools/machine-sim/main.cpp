// korvanta-machine-sim: a simulated washer-extractor controller on a pseudo-terminal.
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

#include "sim/CommandLine.h"
#include "sim/Controller.h"
#include "sim/PtyServer.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// Replaces an old symbolic link at path; anything else there is left alone.
bool MakeLink(const std::string &target, const std::string &path) {
    char old[2];
    if (readlink(path.c_str(), old, sizeof old) >= 0)
        unlink(path.c_str());
    return symlink(target.c_str(), path.c_str()) == 0;
}

// Held back from the start, so a stop request that comes early still ends in a clean exit:
// the server lets them through only while it waits for input.
void HoldStopSignals() {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTERM);
    sigaddset(&stop, SIGINT);
    sigprocmask(SIG_BLOCK, &stop, nullptr);
}

bool WriteLog(const std::vector<std::string> &requests, const std::string &path) {
    std::ofstream out(path, std::ios::trunc);
    for (const std::string &request : requests)
        out << request << '\n';
    out.flush();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char **argv) {
    using namespace korvanta::sim;
    HoldStopSignals();
    SimSettings settings;
    std::string error;
    if (!ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc), settings, &error)) {
        std::cerr << "korvanta-machine-sim: " << error << "\n" << UsageText();
        return kExitUsage;
    }
    if (settings.help) {
        std::cout << UsageText();
        return 0;
    }
    if (settings.version) {
        std::cout << "korvanta-machine-sim " KORVANTA_VERSION_TEXT "\n";
        return 0;
    }
    Controller controller(settings.controller);
    if (!settings.memoryDir.empty() && !controller.LoadMemory(settings.memoryDir, &error)) {
        std::cerr << "korvanta-machine-sim: " << error << "\n";
        return kExitFailure;
    }
    PtyServer server(controller, settings);
    if (!server.Open(&error)) {
        std::cerr << "korvanta-machine-sim: " << error << "\n";
        return kExitFailure;
    }
    // The link exists before the port line, so whoever reads that line can use either.
    if (!settings.linkPath.empty() && !MakeLink(server.TerminalName(), settings.linkPath)) {
        std::cerr << "korvanta-machine-sim: cannot link " << settings.linkPath << "\n";
        return kExitFailure;
    }
    std::cout << "port: " << server.TerminalName() << std::endl;
    server.Serve();
    int status = 0;
    if (!settings.memoryDir.empty() && !controller.SaveMemory(settings.memoryDir, &error)) {
        std::cerr << "korvanta-machine-sim: " << error << "\n";
        status = kExitFailure;
    }
    if (!settings.logPath.empty() && !WriteLog(controller.RequestLog(), settings.logPath)) {
        std::cerr << "korvanta-machine-sim: cannot write " << settings.logPath << "\n";
        status = kExitFailure;
    }
    if (!settings.linkPath.empty())
        unlink(settings.linkPath.c_str());
    return status;
}
