#include "files/HandOverText.h"

#include <algorithm>
#include <cstring>

namespace korvanta {

std::string_view ReadHandOverBytes(const char *block, std::size_t size) {
    const std::size_t limit = std::min(size, kHandOverTextBytes);
    if (!block || limit == 0)
        return {};
    const void *zero = std::memchr(block, 0, limit);
    return {block,
            zero ? static_cast<std::size_t>(static_cast<const char *>(zero) - block) : limit};
}

void WriteHandOverBytes(char *block, std::size_t size, std::string_view utf8) {
    if (!block || size == 0)
        return;
    std::size_t length = std::min({utf8.size(), size - 1, kHandOverTextBytes});
    // Never end inside a character: step back over UTF-8 continuation bytes.
    while (length > 0 && length < utf8.size() &&
           (static_cast<unsigned char>(utf8[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(block, utf8.data(), length);
    std::memset(block + length, 0, size - length);
}

} // namespace korvanta
