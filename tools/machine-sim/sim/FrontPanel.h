#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "sim/Controller.h"
#include "sim/FaultInjector.h"
#include "sim/MachineMemory.h"
#include "sim/PanelReader.h"

namespace korvanta::sim {

// The controller's side of the front-panel connector: answers each request, stores received
// blocks and parameters in the machine's memory.
class FrontPanel {
public:
    FrontPanel(const ControllerOptions &options, MachineMemory &memory, FaultInjector &faults,
               std::vector<std::string> &log);

    std::vector<uint8_t> Receive(const uint8_t *data, std::size_t n);
    void LineIdle() { reader_.Reset(); }

private:
    struct Reply {
        std::vector<uint8_t> bytes;
        ReplyCheck check = ReplyCheck::VerdictByte;
    };
    enum class Region { None, Cycles, Software };

    Reply Answer(const PanelRequest &request);
    Reply Dispatch(const std::string &text);
    Reply Identify();
    Reply Version() const;
    Reply Erase(std::string_view sector);
    Reply TaskPoll();
    Reply LastBlock(std::string_view number);
    Reply AnnounceBlock();
    Reply TakeBlock(const PanelRequest &request);
    Reply ProgramBlock(std::string_view number);
    Reply BlockCount() const;
    Reply ReadBlock(std::string_view number) const;
    Reply Start();
    Reply WriteParameter(std::string_view fields);
    Reply ReadParameter(std::string_view number) const;

    const ControllerOptions &options_;
    MachineMemory &memory_;
    FaultInjector &faults_;
    std::vector<std::string> &log_;
    PanelReader reader_;
    int busyIdentificationsLeft_;
    int busyPollsLeft_ = 0;
    Region erased_ = Region::None;
    bool blockPending_ = false;
    std::array<uint8_t, kBlockDataBytes> pendingBlock_{};
};

} // namespace korvanta::sim
