#include "rendering/MD2Mesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Md2Vertex {
    std::uint8_t x, y, z;
};

struct Md2Triangle {
    std::uint16_t v[3];
    std::uint16_t st[3];
};

// A small MD2 file built field by field.
struct Md2Builder {
    std::int32_t ident = 0x32504449;
    std::int32_t version = 8;
    std::int32_t skinWidth = 64;
    std::int32_t skinHeight = 32;
    std::vector<std::pair<std::int16_t, std::int16_t>> st{{0, 0}, {32, 0}, {64, 32}};
    std::vector<Md2Triangle> triangles{{{0, 1, 2}, {0, 1, 2}}};
    std::vector<Md2Vertex> vertices{{0, 0, 0}, {10, 0, 0}, {0, 20, 5}};
    float scale[3] = {2.0f, 3.0f, 4.0f};
    float translate[3] = {-1.0f, 5.0f, 100.0f};
    int frames = 1;
    std::int32_t triangleCountOverride = -1;
    std::int32_t skinsCount = 1;

    std::vector<std::uint8_t> bytes() const
    {
        std::vector<std::uint8_t> body;
        const auto put = [&body](std::uint32_t v, int size) {
            for (int i = 0; i < size; ++i)
                body.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        };
        const auto count = [](const auto& items) { return static_cast<std::uint32_t>(items.size()); };
        const std::uint32_t frameSize = 40 + 4 * count(vertices);
        const std::uint32_t ofsSt = 68 + 64 * static_cast<std::uint32_t>(skinsCount);
        const std::uint32_t ofsTris = ofsSt + 4 * count(st);
        const std::uint32_t ofsFrames = ofsTris + 12 * count(triangles);
        const std::uint32_t ofsGl = ofsFrames + frameSize * static_cast<std::uint32_t>(frames);
        const std::uint32_t triangleCount =
            triangleCountOverride >= 0 ? static_cast<std::uint32_t>(triangleCountOverride) : count(triangles);
        for (std::uint32_t field :
             {static_cast<std::uint32_t>(ident), static_cast<std::uint32_t>(version),
              static_cast<std::uint32_t>(skinWidth), static_cast<std::uint32_t>(skinHeight), frameSize,
              static_cast<std::uint32_t>(skinsCount), count(vertices), count(st), triangleCount, 1u,
              static_cast<std::uint32_t>(frames), 68u, ofsSt, ofsTris, ofsFrames, ofsGl, ofsGl + 4})
            put(field, 4);
        body.resize(body.size() + 64 * static_cast<std::size_t>(skinsCount), 0);
        for (const auto& [s, t] : st) {
            put(static_cast<std::uint16_t>(s), 2);
            put(static_cast<std::uint16_t>(t), 2);
        }
        for (const Md2Triangle& t : triangles)
            for (const std::uint16_t* indices : {t.v, t.st})
                for (int i = 0; i < 3; ++i)
                    put(indices[i], 2);
        // Later frames differ, so a loader that read them would show it.
        for (int f = 0; f < frames; ++f) {
            for (int i = 0; i < 6; ++i) {
                const float value =
                    i < 3 ? scale[i] + static_cast<float>(f) : translate[i - 3] * static_cast<float>(f + 1);
                std::uint32_t bits = 0;
                std::memcpy(&bits, &value, 4);
                put(bits, 4);
            }
            body.resize(body.size() + 16, 0);
            for (const Md2Vertex& v : vertices)
                body.insert(body.end(), {static_cast<std::uint8_t>(v.x + f), v.y, v.z, 0});
        }
        put(0, 4);
        return body;
    }
};

std::filesystem::path writeModel(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "rendering-test-files";
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

bool loadsAsCube(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    dh::Mesh mesh;
    const bool loaded = dh::loadMD2Geometry(writeModel(name, bytes), mesh);
    dh::Mesh cube;
    cube.makeFallbackCube();
    return !loaded && mesh.triangleCount == 12 && mesh.positions == cube.positions &&
           mesh.texCoords == cube.texCoords;
}

void patch32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
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
    const auto with = [](auto change) {
        Md2Builder builder;
        change(builder);
        return builder.bytes();
    };
    const std::vector<std::uint8_t> good = Md2Builder{}.bytes();
    const auto patched = [&good](std::size_t field, std::uint32_t value) {
        std::vector<std::uint8_t> bad = good;
        patch32(bad, 4 * field, value);
        return bad;
    };
    const std::uint32_t end = static_cast<std::uint32_t>(good.size());
    std::vector<std::uint8_t> pastData = patched(16, 100000);
    patch32(pastData, 4 * 14, 99000);
    std::vector<std::uint8_t> truncatedFrame(good.begin(), good.end() - 8);
    patch32(truncatedFrame, 64, static_cast<std::uint32_t>(truncatedFrame.size()));
    const struct {
        const char* name;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {"ident", with([](Md2Builder& b) { b.ident = 0x32504448; })},
        {"version7", with([](Md2Builder& b) { b.version = 7; })},
        {"4097triangles", with([](Md2Builder& b) { b.triangles.assign(4097, Md2Triangle{{0, 1, 2}, {0, 1, 2}}); })},
        {"notriangles", with([](Md2Builder& b) { b.triangleCountOverride = 0; })},
        {"hugetriangles", with([](Md2Builder& b) { b.triangleCountOverride = 0x7FFF0000; })},
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
        {"vertexindex", with([](Md2Builder& b) { b.triangles = {{{0, 1, 3}, {0, 1, 2}}}; })},
        {"stindex", with([](Md2Builder& b) { b.triangles = {{{0, 1, 2}, {0, 3, 2}}}; })},
        {"farindex", with([](Md2Builder& b) { b.triangles = {{{65535, 1, 2}, {0, 1, 2}}}; })},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(loadsAsCube(std::string(c.name) + ".md2", c.bytes)) << c.name;

    dh::Mesh big;
    EXPECT_TRUE(dh::loadMD2Geometry(
        writeModel("most.md2", with([](Md2Builder& b) { b.triangles.assign(4096, Md2Triangle{{0, 1, 2}, {0, 1, 2}}); })),
        big));
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
    degenerate.triangles = {{{0, 1, 1}, {0, 1, 2}}};
    dh::Mesh mesh;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("degenerate.md2", degenerate.bytes()), mesh));
    EXPECT_EQ(mesh.faceNormal(0), (dh::Vector3{0, 0, 0}));
    for (int e = 0; e < 3; ++e) {
        EXPECT_EQ(mesh.edgeNormal(0, e), (dh::Vector3{1, 0, 0})) << e;
    }

    Md2Builder point;
    point.vertices = {{7, 8, 9}};
    point.triangles = {{{0, 0, 0}, {0, 1, 2}}, {{0, 0, 0}, {2, 1, 0}}};
    dh::Mesh single;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("point.md2", point.bytes()), single));
    EXPECT_EQ(single.boundRadius, 0.0f);
    EXPECT_EQ(single.boundCentre, (dh::Vector3{7 * 2.0f - 1.0f, 9 * 4.0f + 100.0f, 8 * 3.0f + 5.0f}));
}

TEST(MD2Mesh, EveryGeneratedModelLoadsWithPlausibleBounds)
{
    const auto load = [](const char* stem) {
        auto mesh = std::make_unique<dh::Mesh>();
        const std::filesystem::path file = std::filesystem::path(DH_BUILD_DIR) / "mdl" / (std::string(stem) + ".md2");
        EXPECT_TRUE(dh::loadMD2Geometry(file, *mesh)) << stem;
        return mesh;
    };
    if (!std::filesystem::exists(std::filesystem::path(DH_BUILD_DIR) / "mdl" / "Ship_Fighter.md2"))
        GTEST_SKIP() << "the generated models are not built yet";
    for (const char* stem : {"Commander", "Cargo", "Emp"})
        EXPECT_GT(load(stem)->triangleCount, 12u) << stem;
    // Ships fit the 200 x 200 docking bay and the outside views; the missile is
    // small; the station reaches its running lights at x = +-1300.
    EXPECT_LT(load("Ship_Explorer")->boundRadius, 100.0f);
    EXPECT_GT(load("Ship_Explorer")->boundRadius, 30.0f);
    EXPECT_LT(load("Ship_Fighter")->boundRadius, 100.0f);
    EXPECT_GT(load("Missile")->boundRadius, 8.0f);
    EXPECT_LT(load("Missile")->boundRadius, 20.0f);
    const std::unique_ptr<dh::Mesh> station = load("Spacestation");
    EXPECT_GT(station->boundRadius, 1300.0f);
    float reach = 0.0f;
    for (std::size_t i = 0; i < station->positions.size(); i += 3)
        reach = std::max(reach, std::abs(station->positions[i]));
    EXPECT_GE(reach, 1300.0f);
}
