#include "rendering/MD2Mesh.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A small MD2 file built field by field. Later frames differ from the first,
// so a loader that read them would show it.
struct Md2Builder {
    std::int32_t ident = 0x32504449;
    std::int32_t version = 8;
    std::int32_t skinWidth = 64;
    std::vector<std::array<std::uint16_t, 2>> st{{0, 0}, {32, 0}, {64, 32}};
    // Three vertex indices, then three texture-coordinate indices.
    std::vector<std::array<std::uint16_t, 6>> triangles{{0, 1, 2, 0, 1, 2}};
    std::vector<std::array<std::uint8_t, 3>> vertices{{0, 0, 0}, {10, 0, 0}, {0, 20, 5}};
    std::uint32_t frames = 1;
    // Scale, then translation, of the first frame.
    std::array<float, 6> firstFrame{2, 3, 4, -1, 5, 100};

    Bytes bytes() const
    {
        Bytes body;
        const auto put = [&body](std::uint32_t v, int size) {
            for (int i = 0; i < size; ++i)
                body.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const auto n = [](const auto& items) { return static_cast<std::uint32_t>(items.size()); };
        const std::uint32_t frameSize = 40 + 4 * n(vertices), ofsSt = 68 + 64, ofsTris = ofsSt + 4 * n(st);
        const std::uint32_t ofsFrames = ofsTris + 12 * n(triangles), ofsGl = ofsFrames + frameSize * frames;
        for (std::uint32_t field : {std::uint32_t(ident), std::uint32_t(version), std::uint32_t(skinWidth), 32u,
                                    frameSize, 1u, n(vertices), n(st), n(triangles), 1u, frames, 68u, ofsSt, ofsTris,
                                    ofsFrames, ofsGl, ofsGl + 4})
            put(field, 4);
        body.resize(body.size() + 64, 0);
        for (const auto& pair : st)
            for (std::uint16_t v : pair)
                put(v, 2);
        for (const auto& t : triangles)
            for (std::uint16_t index : t)
                put(index, 2);
        for (std::uint32_t f = 0; f < frames; ++f) {
            const float k = static_cast<float>(f);
            // Scale (2, 3, 4) and translation (-1, 5, 100) in the first frame.
            const std::array<float, 6> later{2 + k, 3 + k, 4 + k, -1 * (k + 1), 5 * (k + 1), 100 * (k + 1)};
            for (float value : f == 0 ? firstFrame : later)
                put(std::bit_cast<std::uint32_t>(value), 4);
            body.resize(body.size() + 16, 0);
            for (const auto& v : vertices)
                body.insert(body.end(), {static_cast<std::uint8_t>(v[0] + f), v[1], v[2], 0});
        }
        put(0, 4);
        return body;
    }
};

std::filesystem::path writeModel(const std::string& name, const Bytes& bytes)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "rendering-test-files";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return folder / name;
}

bool loadsAsCube(const std::string& name, const Bytes& bytes)
{
    dh::Mesh mesh;
    const bool loaded = dh::loadMD2Geometry(writeModel(name, bytes), mesh);
    dh::Mesh cube;
    cube.makeFallbackCube();
    return !loaded && mesh.triangleCount == 12 && mesh.positions == cube.positions &&
           mesh.texCoords == cube.texCoords;
}

void patch32(Bytes& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
}

Bytes with(void (*change)(Md2Builder&))
{
    Md2Builder builder;
    change(builder);
    return builder.bytes();
}

}

TEST(MD2Mesh, ReadsOnlyTheFirstFrameWithYAndZSwapped)
{
    Md2Builder threeFrames;
    threeFrames.frames = 3;
    for (const Md2Builder& builder : {Md2Builder{}, threeFrames}) {
        dh::Mesh mesh;
        ASSERT_TRUE(dh::loadMD2Geometry(writeModel("frames.md2", builder.bytes()), mesh));
        ASSERT_EQ(mesh.triangleCount, 1u);
        // (bx * 2 - 1, bz * 4 + 100, by * 3 + 5)
        EXPECT_EQ(mesh.positions, (std::vector<float>{-1, 100, 5, 19, 100, 5, -1, 120, 65}));
        EXPECT_EQ(mesh.texCoords, (std::vector<float>{0, 0, 0.5f, 0, 1, 1}));
        // Face normal of (20, 0, 0) x (0, 20, 60), normalised.
        const dh::Vector3 n = mesh.faceNormal(0);
        const float len = std::sqrt(1200.0f * 1200.0f + 400.0f * 400.0f);
        EXPECT_FLOAT_EQ(n.x, 0.0f);
        EXPECT_FLOAT_EQ(n.y, -1200.0f / len);
        EXPECT_FLOAT_EQ(n.z, 400.0f / len);
    }
}

TEST(MD2Mesh, InvalidFilesGiveTheFallbackCube)
{
    const Bytes good = Md2Builder{}.bytes();
    const auto patched = [&good](std::size_t field, std::uint32_t value) {
        Bytes bad = good;
        patch32(bad, 4 * field, value);
        return bad;
    };
    const std::uint32_t end = static_cast<std::uint32_t>(good.size());
    Bytes pastData = patched(16, 100000);
    patch32(pastData, 4 * 14, 99000);
    Bytes truncatedFrame(good.begin(), good.end() - 8);
    patch32(truncatedFrame, 64, static_cast<std::uint32_t>(truncatedFrame.size()));
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"ident", with([](Md2Builder& b) { b.ident = 0x32504448; })},
        {"version7", with([](Md2Builder& b) { b.version = 7; })},
        {"4097triangles", with([](Md2Builder& b) { b.triangles.assign(4097, {0, 1, 2, 0, 1, 2}); })},
        {"notriangles", patched(8, 0)},
        {"hugetriangles", patched(8, 0x7FFF0000)},
        {"skinwidth0", with([](Md2Builder& b) { b.skinWidth = 0; })},
        // The skins, texture-coordinate, triangle, frame and GL-command offsets at the end.
        {"ofsSkins", patched(11, end)},
        {"ofsSt", patched(12, end)},
        {"ofsTris", patched(13, end)},
        {"ofsFrames", patched(14, end)},
        {"ofsGlCmds", patched(15, end)},
        {"pastdata", pastData},
        {"truncatedframe", truncatedFrame},
        {"truncatedheader", {good.begin(), good.begin() + 40}},
        {"vertexindex", with([](Md2Builder& b) { b.triangles = {{0, 1, 3, 0, 1, 2}}; })},
        {"stindex", with([](Md2Builder& b) { b.triangles = {{0, 1, 2, 0, 3, 2}}; })},
        {"farindex", with([](Md2Builder& b) { b.triangles = {{65535, 1, 2, 0, 1, 2}}; })},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(loadsAsCube(std::string(c.name) + ".md2", c.bytes)) << c.name;

    dh::Mesh big;
    EXPECT_TRUE(dh::loadMD2Geometry(
        writeModel("most.md2", with([](Md2Builder& b) { b.triangles.assign(4096, {0, 1, 2, 0, 1, 2}); })), big));
    EXPECT_EQ(big.triangleCount, 4096u);

    // The cube is 512 units on a side, +Z face first.
    dh::Mesh cube;
    EXPECT_FALSE(dh::loadMD2Geometry("rendering-test-files/no-such-model.md2", cube));
    EXPECT_EQ(cube.triangleCount, 12u);
    EXPECT_EQ(cube.boundCentre, (dh::Vector3{0, 0, 0}));
    EXPECT_FLOAT_EQ(cube.boundRadius, 256.0f * std::sqrt(3.0f));
    EXPECT_EQ(cube.vertex(0, 0), (dh::Vector3{-256, 256, 256}));
    EXPECT_EQ(cube.vertex(0, 1), (dh::Vector3{-256, -256, 256}));
    EXPECT_EQ(cube.faceNormal(0), (dh::Vector3{0, 0, 1}));
}

TEST(MD2Mesh, DegenerateTriangleAndSinglePointModel)
{
    Md2Builder degenerate;
    degenerate.triangles = {{0, 1, 1, 0, 1, 2}};
    dh::Mesh mesh;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("degenerate.md2", degenerate.bytes()), mesh));
    EXPECT_EQ(mesh.faceNormal(0), (dh::Vector3{0, 0, 0}));
    for (int e = 0; e < 3; ++e)
        EXPECT_EQ(mesh.edgeNormal(0, e), (dh::Vector3{1, 0, 0})) << e;

    Md2Builder point;
    point.vertices = {{7, 8, 9}};
    point.triangles = {{0, 0, 0, 0, 1, 2}, {0, 0, 0, 2, 1, 0}};
    dh::Mesh single;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("point.md2", point.bytes()), single));
    EXPECT_EQ(single.boundRadius, 0.0f);
    EXPECT_EQ(single.boundCentre, (dh::Vector3{7 * 2.0f - 1.0f, 9 * 4.0f + 100.0f, 8 * 3.0f + 5.0f}));
}

// Frames whose scale or translation put a corner beyond a billion units, or
// nowhere, are not models; tiny ones still get normals of length 1.
TEST(MD2Mesh, PositionsOutOfAnyRangeGiveTheCubeAndTinyTrianglesUnitNormals)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const std::array<float, 6> outOfRange[] = {
        {nan, 3, 4, -1, 5, 100}, {2, 3, 4, -1, inf, 100}, {1e38f, 3, 4, -1, 5, 100},
        {2, 3, 4, -1, 5, 2e9f},  {2, 1e8f, 4, -1, 5, 100},
    };
    for (const auto& frame : outOfRange) {
        Md2Builder b;
        b.firstFrame = frame;
        EXPECT_TRUE(loadsAsCube("far.md2", b.bytes())) << frame[0] << " " << frame[1] << " " << frame[4] << " "
                                                       << frame[5];
    }
    Md2Builder edge;
    edge.firstFrame = {2, 1e8f / 256, 4, -1, 5, 100};
    edge.vertices = {{0, 0, 0}, {10, 0, 0}, {0, 255, 5}};
    dh::Mesh large;
    EXPECT_TRUE(dh::loadMD2Geometry(writeModel("large.md2", edge.bytes()), large));

    Md2Builder tiny;
    tiny.firstFrame = {0.04f, 1e-28f, 6e-30f, 0, 0, 0};
    dh::Mesh mesh;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("tiny.md2", tiny.bytes()), mesh));
    EXPECT_NEAR(dh::length(mesh.faceNormal(0)), 1.0f, 1e-5f);
}
