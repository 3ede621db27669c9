#pragma once

#include <QStringList>

#include <string>

#include "MachineCommands.h"

namespace korvanta {

// kvt's RS-485 commands. portName is the port to open; args holds the command name first.
// net-scan: a line per machine found, its caption TAB its designation.
int NetScanCommand(const QStringList &args, const KvtCommonOptions &options,
                   const std::string &portName);
// net-write-cycles FILE --to A,B..: the wash data file to the machines at those addresses.
int NetWriteCyclesCommand(const QStringList &args, const KvtCommonOptions &options,
                          const std::string &portName);
// net-write-software BIN --to A,B..: the controller software to the machines at those addresses.
int NetWriteSoftwareCommand(const QStringList &args, const KvtCommonOptions &options,
                            const std::string &portName);

} // namespace korvanta
