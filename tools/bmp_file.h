// Windows bitmap files of 24-bit pixels, put together byte by byte so that
// the layout can be checked natively: the screenshots of a live run.
#pragma once

#include <cstddef>
#include <string>

namespace bmp {

// Largest width or height accepted; the file size then still fits the
// header's 32-bit fields.
constexpr int kMaxSide = 16384;

// Bytes of one row of `width` 24-bit pixels, padded to a multiple of four
// as the file and a device-independent bitmap keep it.
std::size_t RowStride(int width);

// The whole file: the 14-byte file header, a 40-byte info header of a
// bottom-up bitmap (positive height, one plane, 24 bits, no compression),
// then `pixels`: `height` rows of RowStride(width) bytes, the bottom row
// first, each pixel blue, green, red.  Empty for a side outside
// 1..kMaxSide or pixels of another length.
std::string Encode24(int width, int height, const std::string& pixels);

// Writes `bytes` to `path`, replacing the file; false when that fails.
bool WriteFile(const std::string& path, const std::string& bytes);

}  // namespace bmp
