#include "support/AllocationLimit.h"

#include <gtest/gtest.h>

#include "rendering/MD2Mesh.h"

#include <filesystem>
#include <fstream>
#include <vector>

// A model whose triangles cannot be held in memory is the cube, with one line
// naming the file, and never ends the game.
TEST(ModelOutOfMemory, AModelThatCannotBeHeldIsTheCube)
{
    // 4096 triangles, all on three corners of the first frame.
    std::vector<std::uint8_t> file;
    const auto put = [&file](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            file.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const std::uint32_t st = 68, tris = st + 12, frames = tris + 12 * 4096, end = frames + 40 + 12;
    for (std::uint32_t field : {0x32504449u, 8u, 64u, 64u, 52u, 0u, 3u, 3u, 4096u, 0u, 1u, 68u, st, tris, frames,
                                end - 1, end})
        put(field, 4);
    for (std::uint32_t i = 0; i < 6; ++i)
        put(i * 10, 2);
    for (int t = 0; t < 4096; ++t)
        for (std::uint32_t index : {0u, 1u, 2u, 0u, 1u, 2u})
            put(index, 2);
    for (float value : {1.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f})
        put(std::bit_cast<std::uint32_t>(value), 4);
    file.resize(file.size() + 16, 0);
    file.insert(file.end(), {0, 0, 0, 0, 9, 0, 0, 0, 0, 9, 0, 0});
    const std::filesystem::path path = std::filesystem::path(DH_BUILD_DIR) / "test-output" / "many-triangles.md2";
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

    dh::Mesh mesh;
    {
        const testsupport::AllocationLimit limit(64 * 1024);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(dh::loadMD2Geometry(path, mesh));
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("many-triangles.md2"), std::string::npos) << said;
    }
    EXPECT_EQ(mesh.triangleCount, 12u);
    dh::Mesh whole;
    EXPECT_TRUE(dh::loadMD2Geometry(path, whole)) << "with memory to spare it loads";
    EXPECT_EQ(whole.triangleCount, 4096u);
}
