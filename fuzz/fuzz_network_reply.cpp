// The RS-485 procedures against a line that answers anything: the scan's identity replies,
// then a cycles write to every machine the scan found, with its transaction and confirmation
// replies. The first byte holds the user's retries; the rest is what the line sends.
#include <cstddef>
#include <cstdint>
#include <fstream>

#include "FuzzLine.h"
#include "comm/NetworkLine.h"
#include "comm/NetworkTransaction.h"
#include "comm/NetworkWrite.h"
#include "files/Opensavewashdata.h"

using namespace korvanta;

namespace {

// One small cycles file for every run: a single empty cycle.
std::string CyclesFile() {
    static const std::string path = [] {
        const std::string p = fuzz::ScratchPath("cycles.kvt");
        WashData data;
        MachineConfig config;
        data.Insert(0, WashRecord::MakeCycleStart(1, "Fuzz"));
        data.Insert(1, WashRecord::MakeStep(RecordType::Drain));
        data.Insert(2, WashRecord::MakeCycleEnd());
        const FileImage image = WriteWashData(data, config, SaveContext{});
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char *>(image.data()),
                   static_cast<std::streamsize>(image.size()));
        return p;
    }();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string cycles = CyclesFile();
    fuzz::FuzzPort port(bytes + 1, size - 1);
    fuzz::FuzzUi ui(bytes[0] & 0x03);
    NetworkState state;
    NetworkLine line{port, ui, state};
    port.Open("fuzz", LinkSettings{});
    if (ScanNetwork(line) == 0) {
        NetworkReplyWord(state.reply);
        return 0;
    }
    for (NetworkMachine &machine : state.machines)
        machine.ticked = true;
    WriteNetworkCycles(line, cycles);
    return 0;
}
