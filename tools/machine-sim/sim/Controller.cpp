#include "sim/Controller.h"

#include "sim/FaultInjector.h"
#include "sim/FrontPanel.h"
#include "sim/MachineMemory.h"
#include "sim/MemoryFiles.h"

namespace korvanta::sim {

struct Controller::State {
    explicit State(ControllerOptions o)
        : options(std::move(o)), faults(options.dropRate, options.corruptRate, options.seed),
          frontPanel(options, memory, faults, log) {}

    ControllerOptions options;
    MachineMemory memory;
    FaultInjector faults;
    std::vector<std::string> log;
    FrontPanel frontPanel;
};

Controller::Controller(ControllerOptions options)
    : state_(std::make_unique<State>(std::move(options))) {}

Controller::~Controller() = default;

std::vector<uint8_t> Controller::Receive(const uint8_t *data, std::size_t n) {
    if (data == nullptr)
        return {};
    return state_->frontPanel.Receive(data, n);
}

void Controller::LineIdle() {
    state_->frontPanel.LineIdle();
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
    return LoadMemoryFiles(dir, state_->memory, error);
}

bool Controller::SaveMemory(const std::string &dir, std::string *error) const {
    return SaveMemoryFiles(dir, state_->memory, error);
}

} // namespace korvanta::sim
