// The text a second start leaves in the hand-over block, read as the running copy reads it: the
// block is any bytes of any size (ASan sees a read past it). The text must stop at the first
// zero, never pass the block nor 255 bytes, and write back into a fresh block unchanged; a text
// cut to a smaller block must end on a character boundary (or be empty, when the text begins
// inside a character) and leave a terminator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "files/HandOverText.h"

using namespace korvanta;

namespace {

constexpr std::size_t kBlockBytes = 256;

void Check(bool holds) {
    if (!holds)
        std::abort();
}

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, std::size_t size) {
    const std::vector<char> block(bytes, bytes + size);
    const std::string text(ReadHandOverBytes(block.data(), block.size()));
    Check(text.size() <= kHandOverTextBytes && text.size() <= size);
    Check(text.find('\0') == std::string::npos);
    Check(std::string_view(block.data(), text.size()) == text);
    Check(text.size() == std::min(size, kHandOverTextBytes) || block[text.size()] == 0);

    std::vector<char> fresh(kBlockBytes, 'x');
    WriteHandOverBytes(fresh.data(), fresh.size(), text);
    Check(ReadHandOverBytes(fresh.data(), fresh.size()) == text);
    Check(fresh[text.size()] == 0 && fresh.back() == 0);

    // The same text in a block of the input's size, which may cut it.
    std::vector<char> small(size, 'x');
    WriteHandOverBytes(small.data(), small.size(), text);
    const std::string_view cut = ReadHandOverBytes(small.data(), small.size());
    Check(text.compare(0, cut.size(), cut) == 0);
    Check(size == 0 || (cut.size() < size && small[cut.size()] == 0));
    Check(cut.size() == text.size() || cut.empty() || !IsContinuation(text[cut.size()]));
    return 0;
}
