#include "ui/ReportProfiles.h"

#include <string>

#include "estimate/Time_calc.h"
#include "ui/ProfilePainter.h"

namespace korvanta {

ProfileDrawer ReportProfileDrawer(WashData &data, const MachineConfig &config) {
    return [&data, &config](QPainter &painter, const QRectF &rect, std::size_t cycleStart) {
        WarningMarks marks;
        std::string remark;
        CycleCourse course;
        EstimateCycle(data, cycleStart, config, marks, 0, remark, &course);
        // The page's heading row already names the cycle.
        PaintCycleProfile(painter, rect, course, config, std::string());
    };
}

} // namespace korvanta
