// Little- and big-endian byte packing shared by the file writers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace datagen {

using Bytes = std::vector<std::uint8_t>;

void put_le16(Bytes& out, std::uint32_t value);
void put_le32(Bytes& out, std::uint32_t value);
void put_be16(Bytes& out, std::uint32_t value);
void put_be32(Bytes& out, std::uint32_t value);
void put_text(Bytes& out, const char* text);

// Writes the bytes to `path`, creating its directory; throws on failure.
void write_file(const std::filesystem::path& path, const Bytes& bytes);

}  // namespace datagen
