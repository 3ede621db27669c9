// A firmware file of any bytes: the vector check, the image laid out from it and its sum.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "comm/FirmwareImage.h"

using namespace korvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    if (size > kFirmwareImageBytes)
        return 0; // refused by size before anything looks at it
    const std::vector<uint8_t> file(bytes, bytes + size);
    VectorCheck(file);
    FirmwareImageSum(FirmwareImage(file));
    return 0;
}
