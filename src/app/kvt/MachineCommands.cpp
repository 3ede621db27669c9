#include "MachineCommands.h"

#include <cstdio>

namespace korvanta {

int RunMachineCommand(const QStringList &args, const KvtCommonOptions &) {
    std::fprintf(stderr, "%s: not available\n", qUtf8Printable(args.value(0)));
    return 1;
}

} // namespace korvanta
