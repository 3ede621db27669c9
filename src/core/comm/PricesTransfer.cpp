#include "comm/PricesTransfer.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "comm/CommTexts.h"
#include "comm/FileBytes.h"
#include "comm/FormatText.h"
#include "comm/FrontPanelCodes.h"
#include "comm/IdentifyReply.h"
#include "comm/TransferSteps.h"
#include "prices/PricesFile.h"

namespace korvanta {

namespace {
constexpr std::uintmax_t kMaxPricesFileBytes = 108;
// Only the name part of the signature is tested, not its version digits.
constexpr std::string_view kPricesSignatureName = kPricesSignature.substr(0, 10);
constexpr std::size_t kCoinLetterAt = 6;

// The words to send: byte 13 tells how many bytes of words follow. A file that announces more
// than it holds is refused: nothing beyond its end may be sent.
std::optional<std::vector<uint16_t>> AnnouncedWords(const std::vector<uint8_t> &bytes) {
    if (bytes.size() < kPricesWordsAt)
        return std::nullopt;
    const std::size_t count = bytes[kPricesLengthAt] / 2;
    if (kPricesWordsAt + 2 * count > bytes.size())
        return std::nullopt;
    std::vector<uint16_t> words;
    for (std::size_t i = 0; i < count; ++i)
        words.push_back(static_cast<uint16_t>(bytes[kPricesWordsAt + 2 * i] << 8 |
                                              bytes[kPricesWordsAt + 2 * i + 1]));
    return words;
}

std::optional<std::vector<uint16_t>> CheckPricesFile(CommUi &ui, const std::string &path) {
    const FileBytes file = ReadFileBytes(path, kMaxPricesFileBytes);
    if (!CheckSignedFile(ui, file, kPricesSignatureName, kMaxPricesFileBytes, texts::kPricesTooBig))
        return std::nullopt;
    std::optional<std::vector<uint16_t>> words = AnnouncedWords(file.bytes);
    if (!words)
        ui.Warn(texts::kFileFormatError);
    return words;
}

bool SendWords(FrontPanel &panel, const std::vector<uint16_t> &words) {
    CommUi &ui = panel.Ui();
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (!panel.WriteParameter(static_cast<int>(i + 1), words[i]))
            return false;
        ui.SetGauge(static_cast<int>((i + 1) * 100 / words.size()));
    }
    return true;
}

bool RunPricesWrite(FrontPanel &panel, const std::vector<uint16_t> &words) {
    CommUi &ui = panel.Ui();
    if (!ConnectPlain(panel, kCoinIdentifyBytes, RetryCount::Fresh))
        return false;
    if (!ReadIdentifyReply(panel.Reply()).coin) {
        ui.Inform(texts::kNotCoinMachine);
        return false;
    }
    ui.Repaint();
    ui.EnableTransfers(false);
    ui.SetStatus(kMainPanel, texts::kProgramming);
    ui.SetStatus(kDetailPanel, "");
    ui.ShowGauge(true);
    return SendWords(panel, words);
}

std::optional<PriceWords> ReadWords(FrontPanel &panel) {
    PriceWords words{};
    for (std::size_t w = 1; w <= kPriceWordCount; ++w) {
        const int value = panel.ReadParameter(static_cast<int>(w));
        if (value < 0)
            return std::nullopt;
        words[w - 1] = static_cast<uint16_t>(value);
        panel.Ui().SetGauge(static_cast<int>(w * 100 / kPriceWordCount));
    }
    return words;
}

// Saves where the user chooses (choosing nothing is no failure); false when saving failed.
bool SaveReadWords(CommUi &ui, const PriceWords &words) {
    const std::string path = ui.ChooseFile(kPricesSaveRequest);
    if (path.empty())
        return true;
    const std::string error = SavePricesFile(path, words, ui.BackupOf(path));
    if (error.empty())
        return true;
    ui.Ask(error, BoxIcon::Error, BoxButtons::Ok);
    return false;
}
} // namespace

bool WritePrices(FrontPanel &panel, const std::string &path) {
    CommUi &ui = panel.Ui();
    ui.SetStatus(kMainPanel, path);
    const std::optional<std::vector<uint16_t>> words = CheckPricesFile(ui, path);
    if (!words)
        return false;
    const bool ok = RunPricesWrite(panel, *words);
    EndTransfer(ui, ok, texts::kPricesDownloaded);
    return ok;
}

bool ReadPrices(FrontPanel &panel) {
    CommUi &ui = panel.Ui();
    panel.State().lastAnswer = Answer::None;
    ui.SetHourglass(true);
    if (!ConnectPlain(panel, kCoinIdentifyBytes, RetryCount::Continued)) {
        EndTransfer(ui, false, texts::kPricesRead);
        return false;
    }
    if (panel.Reply().At(kCoinLetterAt) != 'C') {
        ui.SetHourglass(false);
        ui.Inform(texts::kNotCoinMachine);
        return false;
    }
    ui.SetStatus(kMainPanel, texts::kReading);
    ui.Repaint();
    ui.EnableTransfers(false);
    ui.ShowGauge(true);
    const std::optional<PriceWords> words = ReadWords(panel);
    const bool ok = words && SaveReadWords(ui, *words);
    EndTransfer(ui, ok, texts::kPricesRead);
    return ok;
}

} // namespace korvanta
