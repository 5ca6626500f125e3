#include "tools/bmp_file.h"

#include <cstdint>
#include <fstream>

namespace bmp {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
// 2835 pixels a metre is 72 dots an inch; viewers only show it.
constexpr std::uint32_t kPixelsPerMetre = 2835;

// The file keeps every number little-endian, whatever the machine.
void Put16(std::string* out, std::uint32_t value) {
    out->push_back(static_cast<char>(value & 0xFF));
    out->push_back(static_cast<char>((value >> 8) & 0xFF));
}

void Put32(std::string* out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

}  // namespace

std::size_t RowStride(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

std::string Encode24(int width, int height, const std::string& pixels) {
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return {};
    const std::size_t imageSize = RowStride(width) * static_cast<std::size_t>(height);
    if (pixels.size() != imageSize) return {};
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::string out;
    out.reserve(offset + imageSize);
    out += "BM";
    Put32(&out, static_cast<std::uint32_t>(offset + imageSize));
    Put32(&out, 0);  // two reserved words
    Put32(&out, offset);
    Put32(&out, kInfoHeaderSize);
    Put32(&out, static_cast<std::uint32_t>(width));
    Put32(&out, static_cast<std::uint32_t>(height));  // positive: bottom row first
    Put16(&out, 1);                                   // planes
    Put16(&out, 24);                                  // bits a pixel
    Put32(&out, 0);                                   // no compression
    Put32(&out, static_cast<std::uint32_t>(imageSize));
    Put32(&out, kPixelsPerMetre);
    Put32(&out, kPixelsPerMetre);
    Put32(&out, 0);  // no colour table
    Put32(&out, 0);
    out += pixels;
    return out;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace bmp
