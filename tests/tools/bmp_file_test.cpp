#include "tools/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace bmp {
namespace {

std::uint32_t At32(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[offset + i]);
    return value;
}

std::uint32_t At16(const std::string& bytes, std::size_t offset) {
    return static_cast<unsigned char>(bytes[offset]) | static_cast<unsigned char>(bytes[offset + 1])
                                                           << 8;
}

struct SizeCase {
    int width, height;
    std::size_t stride;
};

TEST(BmpFile, HeadersDescribeARowPaddedBottomUpBitmap) {
    const SizeCase cases[] = {{1, 1, 4}, {3, 2, 12}, {4, 1, 12}, {5, 3, 16}, {1280, 1024, 3840}};
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        ASSERT_EQ(RowStride(c.width), c.stride);
        const std::size_t image = c.stride * c.height;
        const std::string file = Encode24(c.width, c.height, std::string(image, '\x7f'));
        ASSERT_EQ(file.size(), 54 + image);
        EXPECT_EQ(file.substr(0, 2), "BM");
        EXPECT_EQ(At32(file, 2), file.size());
        EXPECT_EQ(At32(file, 6), 0u);
        EXPECT_EQ(At32(file, 10), 54u);  // pixels right after the two headers
        EXPECT_EQ(At32(file, 14), 40u);
        EXPECT_EQ(At32(file, 18), static_cast<std::uint32_t>(c.width));
        EXPECT_EQ(At32(file, 22), static_cast<std::uint32_t>(c.height));
        EXPECT_EQ(At16(file, 26), 1u);
        EXPECT_EQ(At16(file, 28), 24u);
        EXPECT_EQ(At32(file, 30), 0u);
        EXPECT_EQ(At32(file, 34), image);
        EXPECT_EQ(At32(file, 46), 0u);
    }
}

TEST(BmpFile, PixelsFollowTheHeadersUnchanged) {
    // Two rows of two pixels: each row 6 bytes of colour and 2 of padding.
    const std::string pixels("\x01\x02\x03\x04\x05\x06\0\0\x07\x08\x09\x0a\x0b\x0c\0\0", 16);
    const std::string file = Encode24(2, 2, pixels);
    ASSERT_EQ(file.size(), 70u);
    EXPECT_EQ(file.substr(54), pixels);
}

TEST(BmpFile, SizesOutOfRangeAndPixelsOfAnotherLengthGiveNothing) {
    const SizeCase cases[] = {
        {0, 1, 0},  {1, 0, 0},  {-1, 1, 0}, {kMaxSide + 1, 1, 0}, {1, kMaxSide + 1, 0},
        {2, 2, 15}, {2, 2, 17}, {3, 1, 9}};
    for (const SizeCase& c : cases) {
        EXPECT_TRUE(Encode24(c.width, c.height, std::string(c.stride, '\0')).empty())
            << c.width << "x" << c.height << ", " << c.stride << " bytes";
    }
}

TEST(BmpFile, WrittenFileReadsBackByteForByte) {
    const std::string file = Encode24(3, 1, std::string("\xff\0\0\0\xff\0\0\0\xff\0\0\0", 12));
    const std::string path = testing::TempDir() + "bmp_file_test.bmp";
    ASSERT_TRUE(WriteFile(path, file));
    std::ifstream in(path, std::ios::binary);
    const std::string back((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(back, file);
    std::remove(path.c_str());
    EXPECT_FALSE(WriteFile(testing::TempDir() + "no-such-folder/x.bmp", file));
}

}  // namespace
}  // namespace bmp
