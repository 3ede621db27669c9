// A firmware file of any bytes: the vector check, the image laid out from it and its sum. The
// image holds the file's bytes, 0xFF up to the marker, then 0x55 0xAA and the sum of the words
// before the marker, which the machine checks again.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "comm/FirmwareImage.h"

using namespace korvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    if (size > kFirmwareImageBytes)
        return 0; // refused by size before anything looks at it
    const std::vector<uint8_t> file(bytes, bytes + size);
    VectorCheck(file);
    const std::vector<uint8_t> image = FirmwareImage(file);
    const uint16_t sum = FirmwareImageSum(image);
    const auto kept = static_cast<std::ptrdiff_t>(std::min(size, kImageMarkerAt));
    const bool laidOut = image.size() == kFirmwareImageBytes &&
                         std::equal(file.begin(), file.begin() + kept, image.begin()) &&
                         std::all_of(image.begin() + kept, image.begin() + kImageMarkerAt,
                                     [](uint8_t b) { return b == 0xFF; }) &&
                         image[kImageMarkerAt] == 0x55 && image[kImageMarkerAt + 1] == 0xAA &&
                         image[kImageMarkerAt + 2] == sum >> 8 &&
                         image[kImageMarkerAt + 3] == (sum & 0xFF);
    if (!laidOut)
        std::abort();
    return 0;
}
