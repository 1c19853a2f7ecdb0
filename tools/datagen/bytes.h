// Little- and big-endian byte packing shared by the file writers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace datagen {

using Bytes = std::vector<std::uint8_t>;

void PutLe16(Bytes& out, std::uint32_t value);
void PutLe32(Bytes& out, std::uint32_t value);
void PutBe16(Bytes& out, std::uint32_t value);
void PutBe32(Bytes& out, std::uint32_t value);
void PutText(Bytes& out, const char* text);

// Writes the bytes to `path`, creating its directory; throws on failure.
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace datagen
