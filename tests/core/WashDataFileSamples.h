#pragma once

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "config/MachineConfig.h"
#include "files/Opensavewashdata.h"
#include "files/RawRecordRow.h"
#include "model/WashData.h"

// Sample wash data for the file tests and the golden files in tests/data.
namespace korvanta::samples {

// A step of the type with its codes in order (codes not given stay 0).
inline WashRecord Step(RecordType type, std::initializer_list<int> codes) {
    WashRecord step = WashRecord::MakeStep(type);
    std::copy(codes.begin(), codes.end(), step.codes.begin());
    return step;
}

// Three cycles on a compartment machine: every step type once, a name with the degree sign
// (byte 0xB0), and a cycle whose number is not its position.
inline WashData ThreeCycles() {
    using R = RecordType;
    return WashData({
        WashRecord::MakeCycleStart(3, "Cycle 3"),
        Step(R::Drain, {1, 1, 0}),
        WashRecord::MakeCycleEnd(),
        WashRecord::MakeCycleStart(1, "Whites 60\xB0"
                                      "C"),
        Step(R::Fill, {0x91, 120, 20, 2, 0}),
        Step(R::Wash, {1, 120, 12, 3, 40, 8, 0}),
        Step(R::Supply, {1, 0, 0, 30}),
        Step(R::Heat, {120, 0, 20}),
        Step(R::Soak, {100, 0, 5}),
        Step(R::Drain, {1, 1, 0}),
        Step(R::Spin, {800, 2, 0}),
        Step(R::Aux, {3, 0, 20}),
        WashRecord::MakeCycleEnd(),
        WashRecord::MakeCycleStart(12, "Quick wash 17char"),
        Step(R::Fill, {0x11, 255, 28, 1, 30}),
        Step(R::Wash, {2, 80, 10, 4, 35, 4, 0}),
        Step(R::Drain, {2, 0, 45}),
        Step(R::Spin, {1000, 4, 0}),
        WashRecord::MakeCycleEnd(),
        WashRecord::MakeDataEnd(),
    });
}

inline MachineConfig SampleConfig() {
    MachineConfig config;
    config.machineType = 18;
    config.units = 0;
    config.drains = 0x21;
    config.inletOptions = 1;
    return config;
}

inline SaveContext SampleContext() {
    return SaveContext{LocalDateTime{2025, 12, 8, 11, 55}, SaverNames{"golden", "HOST"}};
}

// The raw rows, one line each with tab-separated cells, after a line of the configuration.
inline std::string DumpText(const WashData &data, const MachineConfig &config) {
    std::string text = "config";
    for (uint8_t byte : config.Bytes())
        text += "\t" + std::to_string(byte);
    text += "\t" + config.saveStamp + "\t" + config.savedBy + "\n";
    for (const WashRecord &record : data.Records()) {
        const RawRow row = RawRecordRow(record);
        for (std::size_t i = 0; i < row.size(); ++i)
            text += (i ? "\t" : "") + row[i];
        text += "\n";
    }
    return text;
}

} // namespace korvanta::samples
