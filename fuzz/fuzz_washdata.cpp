// The wash data reader on any bytes: whatever it accepts must estimate, report and write
// without fault, and a written file must read back to itself (write, read, write gives the
// same bytes twice).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "estimate/Time_calc.h"
#include "files/Opensavewashdata.h"
#include "model/CycleStarts.h"
#include "model/WarningMarks.h"
#include "print/TextReport.h"

using namespace korvanta;

namespace {

SaveContext FixedContext() {
    SaveContext context;
    context.now = LocalDateTime{2026, 12, 10, 8, 0};
    context.names.userName = std::string("fuzz");
    return context;
}

void EstimateAndReport(WashData &data, const MachineConfig &config) {
    CycleStarts starts;
    starts.Rebuild(data);
    WarningMarks marks;
    ReportRequest request;
    request.includeConfig = true;
    for (int k = 1; k <= kMaxCycles; ++k) {
        const auto start = starts[k];
        if (!start)
            break;
        std::string remark;
        EstimateCycle(data, *start, config, marks, 1, remark);
        request.rows.push_back(k);
    }
    TextReport(data, config, marks, request);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    const FileImage image(bytes, bytes + size);
    WashData data;
    MachineConfig config;
    if (!ReadWashData(image, data, config).ok)
        return 0;
    EstimateAndReport(data, config);

    const FileImage first = WriteWashData(data, config, FixedContext());
    WashData again;
    MachineConfig againConfig;
    if (!ReadWashData(first, again, againConfig).ok)
        std::abort(); // the writer's own file was refused
    const FileImage second = WriteWashData(again, againConfig, FixedContext());
    if (first != second)
        std::abort(); // a round trip changed the file
    return 0;
}
