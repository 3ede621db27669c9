#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvanta {

// The hand-over block of a second start holds one zero-terminated text of at most 255 bytes.
constexpr std::size_t kHandOverTextBytes = 255;

// The text in a block of `size` bytes written by another process: up to its first zero byte,
// never past the block, at most 255 bytes (the block is not trusted to hold a terminator).
std::string_view ReadHandOverBytes(const char *block, std::size_t size);

// Lays a UTF-8 text into a block of `size` bytes: cut to 255 bytes and to the block, never
// inside a character, and zero-filled after it, so the block always holds a terminator.
void WriteHandOverBytes(char *block, std::size_t size, std::string_view utf8);

} // namespace korvanta
