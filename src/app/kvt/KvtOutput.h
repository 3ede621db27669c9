#pragma once

#include <QString>

#include <optional>
#include <string>

#include "config/MachineConfig.h"
#include "files/Opensavewashdata.h"
#include "model/WashData.h"

namespace korvanta {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// A Windows-1252 text of the data as UTF-8 for the terminal.
std::string Utf8(const std::string &cp1252);
// A command-line path as the core's file functions take it.
std::string PathBytes(const QString &path);

// One line on stdout; the text is already UTF-8.
void PrintLine(const std::string &utf8);
// A message of the system on stderr, exactly its text. Returns kExitFailed.
int PrintFailure(const UserMessage &message);
// A wrong use of the command line on stderr. Returns kExitUsage.
int PrintUsage(const QString &text);

struct LoadedFile {
    WashData data;
    MachineConfig config; // the editor's start-up configuration, then what the file holds
    LoadResult result;
};

// Loads a file as the editor does at start-up; prints the reader's message when it fails.
std::optional<LoadedFile> LoadForCommand(const QString &path);

// The position of the CycleStart of cycle number; prints "Cycle N not found!" when the data
// has no such cycle.
std::optional<std::size_t> CycleNumbered(const WashData &data, int number);

} // namespace korvanta
