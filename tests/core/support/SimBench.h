#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "comm/FrontPanel.h"
#include "sim/Controller.h"
#include "support/MemoryPort.h"
#include "support/ScriptedUi.h"

namespace korvanta::testing {

// The front panel talking through the in-memory port to the simulated controller.
struct SimBench {
    explicit SimBench(sim::ControllerOptions options = {})
        : machine(std::move(options)),
          port([this](const uint8_t *d, std::size_t n) { return machine.Receive(d, n); }) {
        port.onIdle = [this] { machine.LineIdle(); };
        port.Open("COM1", FrontPanelLink);
    }

    int Count(const std::string &text) const {
        int count = 0;
        for (const std::string &t : machine.RequestLog())
            count += t == text;
        return count;
    }

    sim::Controller machine;
    MemoryPort port;
    ScriptedUi ui;
    FrontPanelState state;
    FrontPanel panel{port, ui, state};
};

// A folder of its own for one test's files, removed afterwards.
struct TempFolder {
    TempFolder() {
        static int serial = 0;
        path = std::filesystem::temp_directory_path() /
               ("kvt-comm-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(path);
    }
    ~TempFolder() { std::filesystem::remove_all(path); }
    std::string File(const std::string &name) const { return (path / name).string(); }
    std::string Write(const std::string &name, const std::vector<uint8_t> &bytes) const {
        std::ofstream(File(name), std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return File(name);
    }
    std::vector<uint8_t> Read(const std::string &name) const {
        std::ifstream in(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool Exists(const std::string &name) const { return std::filesystem::exists(File(name)); }

    std::filesystem::path path;
};

} // namespace korvanta::testing
