#include "sim/Controller.h"

#include <sys/stat.h>

#include "sim/FaultInjector.h"
#include "sim/FrontPanel.h"
#include "sim/HexText.h"
#include "sim/MachineMemory.h"
#include "sim/MemoryFiles.h"
#include "sim/NetworkBus.h"

namespace korvanta::sim {

struct Controller::State {
    explicit State(ControllerOptions o)
        : options(std::move(o)), faults(options.dropRate, options.corruptRate, options.seed),
          frontPanel(options, memory, faults, log), network(options, faults, log) {}

    bool OnNetwork() const { return !options.networkAddresses.empty(); }

    ControllerOptions options;
    MachineMemory memory;
    FaultInjector faults;
    std::vector<std::string> log;
    FrontPanel frontPanel;
    NetworkBus network;
};

namespace {
std::string NetworkDir(const std::string &dir, int address) {
    return dir + "/net-" + HexDigits(static_cast<unsigned>(address), 2);
}
} // namespace

Controller::Controller(ControllerOptions options)
    : state_(std::make_unique<State>(std::move(options))) {}

Controller::~Controller() = default;

std::vector<uint8_t> Controller::Receive(const uint8_t *data, std::size_t n) {
    if (data == nullptr)
        return {};
    if (state_->OnNetwork())
        return state_->network.Receive(data, n);
    return state_->frontPanel.Receive(data, n);
}

void Controller::LineIdle() {
    state_->frontPanel.LineIdle();
    state_->network.LineIdle();
}

const ControllerOptions &Controller::Options() const {
    return state_->options;
}

std::vector<uint8_t> Controller::CycleMemory() const {
    return state_->memory.StoredCycles();
}

int Controller::StoredCycleBlocks() const {
    return state_->memory.StoredCycleBlocks();
}

void Controller::SetCycleMemory(const std::vector<uint8_t> &bytes) {
    state_->memory.SetStoredCycles(bytes);
}

const std::vector<uint8_t> &Controller::SoftwareImage() const {
    return state_->memory.Software();
}

void Controller::SetSoftwareImage(const std::vector<uint8_t> &image) {
    state_->memory.SetSoftware(image);
}

bool Controller::SoftwareImageIntact() const {
    return state_->memory.SoftwareIntact();
}

std::vector<uint8_t> Controller::NetworkCycleMemory(int address) const {
    const NetworkMachine *machine = state_->network.Machine(address);
    return machine ? machine->Memory().StoredCycles() : std::vector<uint8_t>{};
}

std::vector<uint8_t> Controller::NetworkSoftwareImage(int address) const {
    const NetworkMachine *machine = state_->network.Machine(address);
    return machine ? machine->Memory().Software() : std::vector<uint8_t>{};
}

uint16_t Controller::Parameter(int address) const {
    return state_->memory.Parameter(address);
}

void Controller::SetParameter(int address, uint16_t value) {
    state_->memory.SetParameter(address, value);
}

const std::vector<std::string> &Controller::RequestLog() const {
    return state_->log;
}

bool Controller::LoadMemory(const std::string &dir, std::string *error) {
    if (!LoadMemoryFiles(dir, state_->memory, error))
        return false;
    for (NetworkMachine &machine : state_->network.Machines())
        if (!LoadMemoryFiles(NetworkDir(dir, machine.Address()), machine.Memory(), error))
            return false;
    return true;
}

// The folder (one level) is made when missing, so a fresh folder name can be given.
bool Controller::SaveMemory(const std::string &dir, std::string *error) const {
    mkdir(dir.c_str(), 0777);
    if (!SaveMemoryFiles(dir, state_->memory, error))
        return false;
    for (const NetworkMachine &machine : state_->network.Machines()) {
        std::string machineDir = NetworkDir(dir, machine.Address());
        mkdir(machineDir.c_str(), 0777);
        if (!SaveMemoryFiles(machineDir, machine.Memory(), error))
            return false;
    }
    return true;
}

} // namespace korvanta::sim
