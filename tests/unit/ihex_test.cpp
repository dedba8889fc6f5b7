#include "tools/ihex/ihex.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string temp_path(const char *name)
{
    return (fs::path(::testing::TempDir()) / ("ihex_" + std::to_string(getpid()) + "_" + name)).string();
}

std::string read_text(const std::string &path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HexImage, AddMergesAdjacentAndRefusesOverlap)
{
    hex_image image;
    const uint8_t a[] = {1, 2}, b[] = {3, 4}, c[] = {9};
    EXPECT_TRUE(hex_add(&image, 0x10, a, 2));
    EXPECT_TRUE(hex_add(&image, 0x14, b, 2));
    EXPECT_TRUE(hex_add(&image, 0x12, b, 2)); // fills the gap and joins all three
    ASSERT_EQ(image.segments.size(), 1u);
    EXPECT_EQ(image.segments[0].address, 0x10u);
    EXPECT_EQ(image.segments[0].bytes, (std::vector<uint8_t>{1, 2, 3, 4, 3, 4}));
    EXPECT_FALSE(hex_add(&image, 0x15, c, 1));
    EXPECT_FALSE(hex_add(&image, 0x0F, a, 2));
    EXPECT_TRUE(hex_add(&image, 0x0F, c, 1));
    EXPECT_EQ(image.segments[0].address, 0x0Fu);
    EXPECT_TRUE(hex_add(&image, 0x100, c, 0));
    EXPECT_EQ(image.segments.size(), 1u);
}

TEST(HexImage, WritesRecordsWithChecksumsAndAddressExtensions)
{
    hex_image image;
    std::vector<uint8_t> bytes(20);
    for (size_t i = 0; i < bytes.size(); i++)
        bytes[i] = uint8_t(i);
    hex_add(&image, 0xFFF8, bytes.data(), bytes.size());
    const uint8_t config[] = {0xAB};
    hex_add(&image, 0x300001, config, 1);
    std::string path = temp_path("write.hex");
    ASSERT_TRUE(hex_write(path.c_str(), image));
    EXPECT_EQ(read_text(path),
              ":020000040000FA\n"
              ":08FFF8000001020304050607E5\n"        // up to the 64 KB boundary
              ":020000040001F9\n"
              ":0C00000008090A0B0C0D0E0F1011121352\n"
              ":020000040030CA\n"
              ":01000100AB53\n"
              ":00000001FF\n");
    hex_image back;
    std::string error;
    ASSERT_TRUE(hex_read(path.c_str(), &back, &error)) << error;
    ASSERT_EQ(back.segments.size(), 2u);
    EXPECT_EQ(back.segments[0].address, 0xFFF8u);
    EXPECT_EQ(back.segments[0].bytes, bytes);
    EXPECT_EQ(back.segments[1].address, 0x300001u);
    fs::remove(path);
}

TEST(HexImage, ReadErrorsNameTheLine)
{
    struct bad_case {
        const char *text;
        const char *message;
    };
    const bad_case cases[] = {
        {":0100000000FE\n:00000001FF\n", ":1: checksum mismatch"},
        {"\n:00000001FF\nxyz\n", nullptr},
        {":01000000\n", ":1: not an Intel HEX record"},
        {":0200000000\n", ":1: record length does not match its byte count"},
        {":01000000GG00\n", ":1: invalid hexadecimal digit"},
        {":020000000000FE\n:010001000AF4\n:00000001FF\n", ":2: data at 0x1 overlaps"},
        {":0100000006F9\n", ": missing end-of-file record"},
        {":0100000706F2\n:00000001FF\n", ":1: unknown record type 7"},
        {":0300000400000FEA\n:00000001FF\n", ":1: address record must hold 2 bytes"},
        {":02000000000AF4\r\n:00000001FF\r\n", nullptr},
        {":020000021000EC\n:0100000055AA\n:00000001FF\n", nullptr},
    };
    std::string path = temp_path("bad.hex");
    for (const bad_case &c : cases) {
        std::ofstream(path) << c.text;
        hex_image image;
        std::string error;
        bool ok = hex_read(path.c_str(), &image, &error);
        if (!c.message) {
            EXPECT_TRUE(ok) << c.text << error;
            continue;
        }
        EXPECT_FALSE(ok) << c.text;
        EXPECT_NE(error.find(path + c.message), std::string::npos) << error;
    }
    hex_image image;
    std::ofstream(path) << ":020000021000EC\n:0100000055AA\n:00000001FF\n";
    std::string error;
    ASSERT_TRUE(hex_read(path.c_str(), &image, &error));
    EXPECT_EQ(image.segments[0].address, 0x10000u) << "segment addresses count in 16 bytes";
    fs::remove(path);
    EXPECT_FALSE(hex_read(path.c_str(), &image, &error));
    EXPECT_NE(error.find("cannot open"), std::string::npos);
}

TEST(HexImage, FailedWriteLeavesNoFile)
{
    hex_image image;
    EXPECT_FALSE(hex_write("/nonexistent-directory/prog.hex", image));
}

} // namespace
