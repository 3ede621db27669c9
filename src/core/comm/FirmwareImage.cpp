#include "comm/FirmwareImage.h"

#include <algorithm>

namespace korvanta {

namespace {
constexpr std::size_t kVectorBytes = 256;
constexpr uint32_t kVectorLow = 0x220000;
constexpr uint32_t kVectorHigh = 0x22FFFF;

uint8_t FileByte(const std::vector<uint8_t> &file, std::size_t at) {
    return at < file.size() ? file[at] : 0;
}

bool VectorAcceptable(uint32_t vector) {
    return vector == 0 || vector == 0xFFFFFFFFu || (vector >= kVectorLow && vector <= kVectorHigh);
}
} // namespace

bool VectorCheck(const std::vector<uint8_t> &file) {
    for (std::size_t at = 0; at < kVectorBytes; at += 4) {
        uint32_t vector = 0;
        for (std::size_t i = 0; i < 4; ++i)
            vector = (vector << 8) | FileByte(file, at + i);
        if (!VectorAcceptable(vector))
            return false;
    }
    return true;
}

uint16_t FirmwareImageSum(const std::vector<uint8_t> &image) {
    unsigned sum = 0;
    for (std::size_t at = 0; at + 1 < kImageMarkerAt && at + 1 < image.size(); at += 2)
        sum += static_cast<unsigned>(image[at] << 8 | image[at + 1]);
    return static_cast<uint16_t>(sum);
}

std::vector<uint8_t> FirmwareImage(const std::vector<uint8_t> &file) {
    std::vector<uint8_t> image(kFirmwareImageBytes, 0xFF);
    std::copy_n(file.begin(), std::min(file.size(), kFirmwareImageBytes), image.begin());
    image[kImageMarkerAt] = 0x55;
    image[kImageMarkerAt + 1] = 0xAA;
    const uint16_t sum = FirmwareImageSum(image);
    image[kImageMarkerAt + 2] = static_cast<uint8_t>(sum >> 8);
    image[kImageMarkerAt + 3] = static_cast<uint8_t>(sum & 0xFF);
    return image;
}

} // namespace korvanta
