#include "GuideSample.h"

#include <vector>

namespace korvanta {

namespace {

using R = RecordType;

// Steps of the sample by role, each with its codes from Code1 on.
WashRecord RinseFill() {
    return WashRecord::WithCodes(R::Fill, {0x11, 255, 28, 4, 0});
}
WashRecord SoapFill() {
    return WashRecord::WithCodes(R::Fill, {0x91, 120, 20, 2, 0});
}
WashRecord MainWash() {
    return WashRecord::WithCodes(R::Wash, {1, 120, 12, 3, 40, 8, 0});
}
WashRecord WarmWash() {
    return WashRecord::WithCodes(R::Wash, {1, 80, 12, 3, 40, 8, 0});
}
WashRecord Rinse() {
    return WashRecord::WithCodes(R::Wash, {2, 40, 10, 4, 35, 4, 0});
}
WashRecord Soap() {
    return WashRecord::WithCodes(R::Supply, {1, 0, 0, 30});
}
WashRecord Heat() {
    return WashRecord::WithCodes(R::Heat, {120, 0, 20});
}
WashRecord Soak() {
    return WashRecord::WithCodes(R::Soak, {100, 0, 5});
}
WashRecord Drain() {
    return WashRecord::WithCodes(R::Drain, {1, 1, 0});
}
WashRecord SlowDrain() {
    return WashRecord::WithCodes(R::Drain, {2, 0, 45});
}
WashRecord ShortSpin() {
    return WashRecord::WithCodes(R::Spin, {800, 2, 0});
}
WashRecord FinalSpin() {
    return WashRecord::WithCodes(R::Spin, {1000, 4, 0});
}
WashRecord Buzzer() {
    return WashRecord::WithCodes(R::Aux, {3, 0, 20});
}

void AddCycle(std::vector<WashRecord> &records, int number, const char *name,
              std::initializer_list<WashRecord> steps) {
    records.push_back(WashRecord::MakeCycleStart(number, name));
    records.insert(records.end(), steps);
    records.push_back(WashRecord::MakeCycleEnd());
}

} // namespace

WashData GuideSampleData() {
    std::vector<WashRecord> records;
    AddCycle(records, 1,
             "Whites 60\xB0"
             "C",
             {SoapFill(), Soap(), MainWash(), Heat(), MainWash(), Drain(), RinseFill(), Rinse(),
              Drain(), FinalSpin()});
    AddCycle(records, 2,
             "Colours 40\xB0"
             "C",
             {RinseFill(), WarmWash(), Drain(), RinseFill(), Rinse(), SlowDrain(), ShortSpin()});
    AddCycle(records, 3, "Soak and wash",
             {SoapFill(), Soak(), MainWash(), Drain(), ShortSpin(), Buzzer()});
    AddCycle(records, 5, "Rinse and spin", {RinseFill(), Rinse(), SlowDrain(), FinalSpin()});
    records.push_back(WashRecord::MakeDataEnd());
    return WashData(std::move(records));
}

MachineConfig GuideSampleConfig() {
    MachineConfig config;
    config.machineType = 18;
    config.units = 0;
    config.drains = 0x21;
    config.inletOptions = 1;
    return config;
}

} // namespace korvanta
