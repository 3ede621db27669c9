#include "files/Opensavewashdata.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "config/MachineTypeTable.h"
#include "files/ReplaceFile.h"
#include "model/WashDataSize.h"
#include "steps/FillStep.h"

namespace korvanta {

namespace {

constexpr int kSpinSpeedStep = 5; // Spin Code1 is stored in steps of 5 rpm
constexpr uint8_t kInletOptionsClearedBit = 0x02;
constexpr int kMachineTypeIndex = 0;
constexpr int kInletOptionsIndex = 3;

const char kSignatureFailure[] = "Invalid file format:\nSignature failure!\n\nFile could not "
                                 "be loaded!";
const char kFormatFailure[] = "Invalid file format:\nConfiguration corrupted\nor the Korvanta "
                              "Planner is not up to date!\n\n\nFile could not be loaded!";
const char kUnknownMachine[] = "Unknown machine defined,\nplease update the Korvanta Planner!\n"
                               "\nFile could not be loaded!";

struct HeaderLayout {
    int configBytes;   // MachineConfig bytes present, from MachineType on
    bool stampAndName; // SaveStamp and SavedBy follow the configuration bytes
};

std::optional<HeaderLayout> LayoutOf(uint8_t formatByte) {
    switch (formatByte) {
    case 10:
        return HeaderLayout{10, false};
    case 11:
        return HeaderLayout{11, false};
    case 40:
        return HeaderLayout{10, true};
    case 41:
        return HeaderLayout{11, true};
    case 44:
        return HeaderLayout{14, true};
    default:
        return std::nullopt;
    }
}

// Bytes an older layout lacks, from ShowTemp (index 10) on.
constexpr ConfigBytes kConfigDefaults = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 17, 40, 150};

// Reads a byte image front to back; every read is checked against the end.
class ByteReader {
public:
    explicit ByteReader(const FileImage &image) : image_(image) {}

    bool AtEnd() const { return pos_ >= image_.size(); }
    std::size_t Remaining() const { return image_.size() - pos_; }
    std::optional<uint8_t> Byte() {
        if (AtEnd())
            return std::nullopt;
        return image_[pos_++];
    }
    // The next n bytes; none when fewer remain, and then the image counts as read to its end.
    const uint8_t *Take(std::size_t n) {
        if (image_.size() - pos_ < n) {
            pos_ = image_.size();
            return nullptr;
        }
        const uint8_t *bytes = image_.data() + pos_;
        pos_ += n;
        return bytes;
    }

private:
    const FileImage &image_;
    std::size_t pos_ = 0;
};

// A fixed-size text field holds its text up to the first zero byte.
std::string FieldText(const uint8_t *bytes, std::size_t size) {
    const uint8_t *end = std::find(bytes, bytes + size, uint8_t{0});
    return std::string(bytes, end);
}

LoadResult Reject(WashData &data, const char *text, std::optional<uint8_t> formatByte) {
    data.Clear();
    return LoadResult{false, ErrorMessage(text), formatByte, true};
}

void ReadConfig(ByteReader &reader, const HeaderLayout &layout, uint8_t machineType,
                MachineConfig &config) {
    ConfigBytes bytes = config.Bytes();
    bytes[kMachineTypeIndex] = machineType;
    for (int i = kMachineTypeIndex + 1; i < layout.configBytes; ++i) {
        const auto byte = reader.Byte();
        if (!byte)
            break;
        bytes[static_cast<std::size_t>(i)] = *byte;
    }
    bytes[kInletOptionsIndex] &= static_cast<uint8_t>(~kInletOptionsClearedBit);
    for (int i = layout.configBytes; i < kConfigBytes; ++i)
        bytes[static_cast<std::size_t>(i)] = kConfigDefaults[static_cast<std::size_t>(i)];
    config.SetBytes(bytes);
}

void ReadStampAndName(ByteReader &reader, MachineConfig &config) {
    if (const uint8_t *stamp = reader.Take(kSaveStampLength))
        config.saveStamp = FieldText(stamp, kSaveStampLength);
    if (const uint8_t *name = reader.Take(kSavedByLength))
        config.savedBy = FieldText(name, kSavedByLength);
}

// Appends the record that starts with this type byte; a record cut short by the end of the
// image is dropped, and a type byte of no known record is skipped alone.
void ReadRecord(ByteReader &reader, uint8_t type, std::vector<WashRecord> &records) {
    if (type == static_cast<uint8_t>(RecordType::CycleStart)) {
        if (const uint8_t *bytes = reader.Take(1 + kMaxNameLength))
            records.push_back(
                WashRecord::MakeCycleStart(bytes[0], FieldText(bytes + 1, kMaxNameLength)));
        return;
    }
    if (type == static_cast<uint8_t>(RecordType::CycleEnd) ||
        type == static_cast<uint8_t>(RecordType::DataEnd)) {
        WashRecord record;
        record.type = static_cast<RecordType>(type);
        records.push_back(record);
        return;
    }
    if (!IsStep(static_cast<RecordType>(type)))
        return;
    const auto size = static_cast<std::size_t>(CodeCount(static_cast<RecordType>(type)));
    const uint8_t *bytes = reader.Take(size);
    if (!bytes)
        return;
    WashRecord step;
    step.type = static_cast<RecordType>(type);
    for (std::size_t i = 0; i < size; ++i)
        step.SetCode(static_cast<int>(i) + 1, bytes[i]);
    if (step.type == RecordType::Spin)
        step.SetCode(1, bytes[0] * kSpinSpeedStep);
    records.push_back(step);
}

void ReadRecords(ByteReader &reader, std::vector<WashRecord> &records) {
    // A step takes at least 4 bytes; the largest data the editor makes has about 10000 records.
    records.reserve(std::min<std::size_t>(reader.Remaining() / 4 + 1, 16384));
    while (const auto type = reader.Byte()) {
        ReadRecord(reader, *type, records);
        if (!records.empty() && records.back().type == RecordType::DataEnd)
            break;
    }
}

// The largest data the editor can make takes about 80 KB; a file is read up to this size and
// whatever lies beyond it counts as absent, so that a wrong choice of file cannot exhaust memory.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// Reads the stream to its end or to kMaxFileBytes, in pieces.
void ReadAll(std::ifstream &in, FileImage &image) {
    constexpr std::size_t kPiece = 64 * 1024;
    std::size_t used = 0;
    do {
        if (used >= kMaxFileBytes)
            break;
        image.resize(used + kPiece);
        in.read(reinterpret_cast<char *>(image.data() + used),
                static_cast<std::streamsize>(kPiece));
        used += static_cast<std::size_t>(in.gcount());
    } while (in);
    image.resize(used);
    if (!in.bad())
        in.clear();
}

std::filesystem::path PathOf(const std::string &utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

void PutField(FileImage &image, const std::string &text, std::size_t size) {
    const std::size_t used = std::min(text.size(), size);
    image.insert(image.end(), text.begin(), text.begin() + static_cast<std::ptrdiff_t>(used));
    image.insert(image.end(), size - used, uint8_t{0});
}

void PutByte(FileImage &image, int value) {
    image.push_back(static_cast<uint8_t>(value & 0xFF));
}

void PutRecord(FileImage &image, const WashRecord &record, int machineType) {
    PutByte(image, static_cast<int>(record.type));
    switch (record.type) {
    case RecordType::CycleStart:
        PutByte(image, record.Code(1));
        PutField(image, record.name, kMaxNameLength);
        return;
    case RecordType::Fill:
        PutByte(image, FillCode1ForMachine(record.Code(1), machineType));
        for (int n = 2; n <= CodeCount(record.type); ++n)
            PutByte(image, record.Code(n));
        return;
    case RecordType::Spin:
        PutByte(image, record.Code(1) / kSpinSpeedStep);
        PutByte(image, record.Code(2));
        PutByte(image, record.Code(3));
        return;
    default:
        for (int n = 1; n <= CodeCount(record.type); ++n)
            PutByte(image, record.Code(n));
    }
}

bool Writable(RecordType type) {
    return type == RecordType::CycleStart || IsStep(type) || type == RecordType::CycleEnd ||
           type == RecordType::DataEnd;
}

// Encodes without touching data: the Fill correction is applied to the written byte only.
FileImage Encode(const WashData &data, const MachineConfig &config) {
    FileImage image(kWashDataSignature, kWashDataSignature + kWashDataSignatureLength);
    image.reserve(kWashDataHeaderBytes + data.Size() * 8);
    image.push_back(kWashDataFormatByte);
    const ConfigBytes bytes = config.Bytes();
    image.insert(image.end(), bytes.begin(), bytes.end());
    PutField(image, config.saveStamp, kSaveStampLength);
    PutField(image, config.savedBy, kSavedByLength);
    for (const WashRecord &record : data.Records()) {
        if (Writable(record.type))
            PutRecord(image, record, config.machineType);
        if (record.type == RecordType::DataEnd)
            break;
    }
    return image;
}

// The save changes Fill records in memory as it writes them (up to the first DataEnd).
void CorrectFillCodes(WashData &data, int machineType) {
    for (WashRecord &record : data.Records()) {
        if (record.type == RecordType::DataEnd)
            break;
        if (record.type == RecordType::Fill)
            record.SetCode(1, FillCode1ForMachine(record.Code(1), machineType));
    }
}

MachineConfig Stamped(const MachineConfig &config, const SaveContext &context) {
    MachineConfig stamped = config;
    stamped.saveStamp = SaveStampText(context.now);
    stamped.savedBy = ResolveSavedBy(config.savedBy, context.names);
    return stamped;
}

} // namespace

std::optional<int> FormatLevel(uint8_t formatByte) {
    switch (formatByte) {
    case 10:
    case 40:
        return 100;
    case 11:
    case 41:
        return 105;
    case 44:
        return 119;
    default:
        return std::nullopt;
    }
}

int FillCode1ForMachine(int code1, int machineType) {
    if (!IsCompartmentMachine(machineType))
        return code1 & ~kFillCompartmentBits;
    if ((code1 & kFillCompartmentBits) == 0)
        return code1 | kFillPrewash;
    return code1;
}

LoadResult ReadWashData(const FileImage &image, WashData &data, MachineConfig &config) {
    ByteReader reader(image);
    data.Records().clear();
    const uint8_t *signature = reader.Take(kWashDataSignatureLength);
    if (!signature || !std::equal(signature, signature + kWashDataSignatureLength,
                                  reinterpret_cast<const uint8_t *>(kWashDataSignature)))
        return Reject(data, kSignatureFailure, std::nullopt);
    LoadResult result{true, std::nullopt, reader.Byte()};
    if (result.formatByte) {
        const auto layout = LayoutOf(*result.formatByte);
        if (!layout)
            return Reject(data, kFormatFailure, result.formatByte);
        // A file that ends before its machine type keeps the previous one and is read on
        // like any other header cut short: the missing bytes keep their values, the bytes the
        // format lacks get their defaults.
        const uint8_t machineType = reader.Byte().value_or(config.machineType);
        if (machineType >= kMachineTypeCount)
            return Reject(data, kUnknownMachine, result.formatByte);
        ReadConfig(reader, *layout, machineType, config);
        if (layout->stampAndName)
            ReadStampAndName(reader, config);
    }
    ReadRecords(reader, data.Records());
    data.EnsureDataEnd();
    return result;
}

LoadResult LoadWashData(const std::string &path, WashData &data, MachineConfig &config) {
    const std::filesystem::path file = PathOf(path);
    std::error_code error;
    std::ifstream in;
    if (!std::filesystem::is_directory(file, error))
        in.open(file, std::ios::binary);
    FileImage image;
    if (in)
        ReadAll(in, image);
    if (!in.is_open() || in.bad())
        return LoadResult{false, ErrorMessage("Unable to open " + path), std::nullopt};
    return ReadWashData(image, data, config);
}

FileImage WriteWashData(WashData &data, MachineConfig &config, const SaveContext &context) {
    config = Stamped(config, context);
    CorrectFillCodes(data, config.machineType);
    return Encode(data, config);
}

SaveResult SaveWashData(const std::string &path, WashData &data, MachineConfig &config,
                        const SaveContext &context, const std::string &backup, FileLayer &files) {
    MachineConfig stamped = Stamped(config, context);
    const ReplaceOptions options{backup.empty() ? std::filesystem::path() : PathOf(backup)};
    if (!ReplaceFile(PathOf(path), Encode(data, stamped), options, files))
        return SaveResult{false, ErrorMessage("Unable to save " + path)};
    config = std::move(stamped);
    CorrectFillCodes(data, config.machineType);
    return SaveResult{true, std::nullopt};
}

} // namespace korvanta
