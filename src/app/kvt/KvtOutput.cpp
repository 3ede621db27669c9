#include "KvtOutput.h"

#include <cstdio>

#include "platform/Cp1252.h"

namespace korvanta {

std::string Utf8(const std::string &cp1252) {
    return FromCp1252(cp1252).toUtf8().toStdString();
}

std::string PathBytes(const QString &path) {
    return path.toUtf8().toStdString();
}

void PrintLine(const std::string &utf8) {
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::fputc('\n', stdout);
}

int PrintFailure(const UserMessage &message) {
    // Core messages are Windows-1252 apart from file paths, which stay as they were given.
    std::fprintf(stderr, "%s\n", message.text.c_str());
    return kExitFailed;
}

int PrintUsage(const QString &text) {
    std::fprintf(stderr, "%s\nTry 'kvt --help'.\n", qUtf8Printable(text));
    return kExitUsage;
}

std::optional<LoadedFile> LoadForCommand(const QString &path) {
    LoadedFile file;
    file.result = LoadWashData(PathBytes(path), file.data, file.config);
    if (!file.result.ok) {
        PrintFailure(file.result.message.value_or(ErrorMessage("File could not be loaded!")));
        return std::nullopt;
    }
    return file;
}

std::optional<std::size_t> CycleNumbered(const WashData &data, int number) {
    for (std::size_t i = 0; i < data.Size(); ++i)
        if (data.At(i).type == RecordType::CycleStart && data.At(i).Code(1) == number)
            return i;
    PrintFailure(ErrorMessage("Cycle " + std::to_string(number) + " not found!"));
    return std::nullopt;
}

} // namespace korvanta
