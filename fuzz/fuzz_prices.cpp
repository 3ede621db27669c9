// A prices file of any bytes, read as the prices dialog loads it; what it accepts must write
// back to the same 36 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>

#include "FuzzLine.h"
#include "prices/PricesFile.h"

using namespace korvanta;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    static const std::string path = fuzz::ScratchPath("prices.kvtprices");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(bytes), static_cast<std::streamsize>(size));
    const PricesLoad load = LoadPricesFile(path);
    if (load.ok &&
        EncodePricesFile(load.words) != std::vector<uint8_t>(bytes, bytes + kPricesFileBytes))
        std::abort(); // an accepted file did not keep its words
    return 0;
}
