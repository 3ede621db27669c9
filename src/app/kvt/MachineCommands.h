#pragma once

#include <QString>
#include <QStringList>

namespace korvanta {

// Options that every machine command understands. An empty port means the program option
// PortName; retries is how often a Retry/Cancel question is answered Retry before Cancel.
struct KvtCommonOptions {
    QString port;
    bool yes = false; // answer Yes to "Continue?" questions
    int retries = 0;
};

// Runs one machine command (write-cycles, read-cycles, write-software, write-prices,
// read-prices, write-lifetest, read-lifetest, board-info, ports, detect, net-scan,
// net-write-cycles, net-write-software). args holds the command name first, then its
// positional arguments; a "--to" list follows as the two entries "--to", "A,B..".
// Returns the exit status: 0 done, 1 failed (message already printed), 2 wrong usage.
int RunMachineCommand(const QStringList &args, const KvtCommonOptions &options);

} // namespace korvanta
