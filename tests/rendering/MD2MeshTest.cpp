#include "rendering/MD2Mesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
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

// A small MD2 file built field by field, following the published layout.
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
        const auto put32 = [&body](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) {
                body.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
            }
        };
        const auto put16 = [&body](std::uint16_t v) {
            body.push_back(static_cast<std::uint8_t>(v));
            body.push_back(static_cast<std::uint8_t>(v >> 8));
        };
        const auto putFloat = [&put32](float f) {
            std::uint32_t bits = 0;
            std::memcpy(&bits, &f, 4);
            put32(bits);
        };
        const std::uint32_t frameSize = 40 + 4 * static_cast<std::uint32_t>(vertices.size());
        const std::uint32_t ofsSkins = 68;
        const std::uint32_t ofsSt = ofsSkins + 64 * static_cast<std::uint32_t>(skinsCount);
        const std::uint32_t ofsTris = ofsSt + 4 * static_cast<std::uint32_t>(st.size());
        const std::uint32_t ofsFrames = ofsTris + 12 * static_cast<std::uint32_t>(triangles.size());
        const std::uint32_t ofsGl = ofsFrames + frameSize * static_cast<std::uint32_t>(frames);
        const std::uint32_t ofsEnd = ofsGl + 4;
        const std::int32_t triangleCount =
            triangleCountOverride >= 0 ? triangleCountOverride : static_cast<std::int32_t>(triangles.size());
        for (std::int64_t field :
             {std::int64_t{ident}, std::int64_t{version}, std::int64_t{skinWidth}, std::int64_t{skinHeight},
              std::int64_t{frameSize}, std::int64_t{skinsCount}, std::int64_t(vertices.size()),
              std::int64_t(st.size()), std::int64_t{triangleCount}, std::int64_t{1}, std::int64_t{frames},
              std::int64_t{ofsSkins}, std::int64_t{ofsSt}, std::int64_t{ofsTris}, std::int64_t{ofsFrames},
              std::int64_t{ofsGl}, std::int64_t{ofsEnd}}) {
            put32(static_cast<std::uint32_t>(field));
        }
        body.resize(body.size() + 64 * static_cast<std::size_t>(skinsCount), 0);
        for (const auto& [s, t] : st) {
            put16(static_cast<std::uint16_t>(s));
            put16(static_cast<std::uint16_t>(t));
        }
        for (const Md2Triangle& t : triangles) {
            for (std::uint16_t v : t.v) {
                put16(v);
            }
            for (std::uint16_t c : t.st) {
                put16(c);
            }
        }
        for (int f = 0; f < frames; ++f) {
            for (float s : scale) {
                putFloat(s + static_cast<float>(f));
            }
            for (float t : translate) {
                putFloat(t * static_cast<float>(f + 1));
            }
            body.resize(body.size() + 16, 0);
            for (const Md2Vertex& v : vertices) {
                body.insert(body.end(), {static_cast<std::uint8_t>(v.x + f), v.y, v.z, 0});
            }
        }
        put32(0);
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
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

}

TEST(MD2Mesh, ReadsTheFirstFrameWithYAndZSwapped)
{
    dh::Mesh mesh;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("one.md2", Md2Builder{}.bytes()), mesh));
    ASSERT_EQ(mesh.triangleCount, 1u);
    EXPECT_EQ(mesh.vertexCount, 3u);
    // (bx * 2 - 1, bz * 4 + 100, by * 3 + 5)
    const std::vector<float> positions{-1, 100, 5, 19, 100, 5, -1, 120, 65};
    EXPECT_EQ(mesh.positions, positions);
    const std::vector<float> texCoords{0, 0, 0.5f, 0, 1, 1};
    EXPECT_EQ(mesh.texCoords, texCoords);
    // Face normal of (20, 0, 0) x (0, 20, 60), normalised.
    const dh::Vector3 n = mesh.faceNormal(0);
    const float len = std::sqrt(1200.0f * 1200.0f + 400.0f * 400.0f);
    EXPECT_FLOAT_EQ(n.x, 0.0f);
    EXPECT_FLOAT_EQ(n.y, -1200.0f / len);
    EXPECT_FLOAT_EQ(n.z, 400.0f / len);
}

TEST(MD2Mesh, ExtraFramesAreIgnored)
{
    Md2Builder builder;
    dh::Mesh single;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("single.md2", builder.bytes()), single));
    builder.frames = 3;
    dh::Mesh several;
    ASSERT_TRUE(dh::loadMD2Geometry(writeModel("several.md2", builder.bytes()), several));
    EXPECT_EQ(several.positions, single.positions);
    EXPECT_EQ(several.texCoords, single.texCoords);
    EXPECT_EQ(several.normals, single.normals);
}

TEST(MD2Mesh, InvalidFilesGiveTheFallbackCube)
{
    Md2Builder wrongIdent;
    wrongIdent.ident = 0x32504448;
    EXPECT_TRUE(loadsAsCube("ident.md2", wrongIdent.bytes()));

    Md2Builder version7;
    version7.version = 7;
    EXPECT_TRUE(loadsAsCube("version.md2", version7.bytes()));

    Md2Builder tooMany;
    tooMany.triangles.assign(4097, Md2Triangle{{0, 1, 2}, {0, 1, 2}});
    EXPECT_TRUE(loadsAsCube("triangles.md2", tooMany.bytes()));
    Md2Builder mostAllowed;
    mostAllowed.triangles.assign(4096, Md2Triangle{{0, 1, 2}, {0, 1, 2}});
    dh::Mesh big;
    EXPECT_TRUE(dh::loadMD2Geometry(writeModel("most.md2", mostAllowed.bytes()), big));
    EXPECT_EQ(big.triangleCount, 4096u);

    Md2Builder noTriangles;
    noTriangles.triangleCountOverride = 0;
    EXPECT_TRUE(loadsAsCube("none.md2", noTriangles.bytes()));
    Md2Builder negativeTriangles;
    negativeTriangles.triangleCountOverride = 0x7FFF0000;
    EXPECT_TRUE(loadsAsCube("huge.md2", negativeTriangles.bytes()));
    Md2Builder noSkinWidth;
    noSkinWidth.skinWidth = 0;
    EXPECT_TRUE(loadsAsCube("skinwidth.md2", noSkinWidth.bytes()));

    // Each of the skins, texture-coordinate, triangle, frame and GL-command
    // offsets (header fields 11 to 15) moved to the end offset.
    const std::vector<std::uint8_t> good = Md2Builder{}.bytes();
    std::uint32_t end = 0;
    std::memcpy(&end, &good[64], 4);
    for (std::size_t field = 11; field <= 15; ++field) {
        std::vector<std::uint8_t> bad = good;
        patch32(bad, 4 * field, end);
        EXPECT_TRUE(loadsAsCube("offset" + std::to_string(field) + ".md2", bad)) << field;
    }
    // Offsets below the end offset but past the data.
    std::vector<std::uint8_t> pastData = good;
    patch32(pastData, 64, 100000);
    patch32(pastData, 4 * 14, 99000);
    EXPECT_TRUE(loadsAsCube("pastdata.md2", pastData));

    std::vector<std::uint8_t> truncatedFrame = good;
    truncatedFrame.resize(truncatedFrame.size() - 8);
    patch32(truncatedFrame, 64, static_cast<std::uint32_t>(truncatedFrame.size()));
    EXPECT_TRUE(loadsAsCube("frame.md2", truncatedFrame));

    std::vector<std::uint8_t> truncatedHeader(good.begin(), good.begin() + 40);
    EXPECT_TRUE(loadsAsCube("header.md2", truncatedHeader));

    dh::Mesh missing;
    EXPECT_FALSE(dh::loadMD2Geometry("rendering-test-files/no-such-model.md2", missing));
    EXPECT_EQ(missing.triangleCount, 12u);
}

TEST(MD2Mesh, IndicesOutOfRangeMakeTheFileInvalid)
{
    Md2Builder vertexIndex;
    vertexIndex.triangles = {{{0, 1, 3}, {0, 1, 2}}};
    EXPECT_TRUE(loadsAsCube("vertexindex.md2", vertexIndex.bytes()));

    Md2Builder texIndex;
    texIndex.triangles = {{{0, 1, 2}, {0, 3, 2}}};
    EXPECT_TRUE(loadsAsCube("stindex.md2", texIndex.bytes()));

    Md2Builder farIndex;
    farIndex.triangles = {{{65535, 1, 2}, {0, 1, 2}}};
    EXPECT_TRUE(loadsAsCube("farindex.md2", farIndex.bytes()));
}

TEST(MD2Mesh, FallbackCubeHasTheDesignedSizeAndBounds)
{
    dh::Mesh cube;
    ASSERT_FALSE(dh::loadMD2Geometry("rendering-test-files/no-such-model.md2", cube));
    EXPECT_EQ(cube.vertexCount, 36u);
    EXPECT_EQ(cube.boundCentre, (dh::Vector3{0, 0, 0}));
    EXPECT_FLOAT_EQ(cube.boundRadius, 256.0f * std::sqrt(3.0f));
    // +Z face first: (-256, 256, 256) with (0, 0), then (-256, -256, 256) with (0, 1).
    EXPECT_EQ(cube.vertex(0, 0), (dh::Vector3{-256, 256, 256}));
    EXPECT_EQ(cube.vertex(0, 1), (dh::Vector3{-256, -256, 256}));
    EXPECT_EQ(cube.faceNormal(0), (dh::Vector3{0, 0, 1}));
    EXPECT_EQ(cube.texCoords[3], 1.0f);
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
    const std::filesystem::path folder = std::filesystem::path(DH_BUILD_DIR) / "mdl";
    const char* stems[] = {"Commander", "Cargo", "Missile", "Emp", "Spacestation", "Ship_Explorer", "Ship_Fighter"};
    for (const char* stem : stems) {
        SCOPED_TRACE(stem);
        const std::filesystem::path file = folder / (std::string(stem) + ".md2");
        if (!std::filesystem::exists(file)) {
            GTEST_SKIP() << "the generated models are not built yet";
        }
        dh::Mesh mesh;
        EXPECT_TRUE(dh::loadMD2Geometry(file, mesh));
        if (mesh.triangleCount <= 12) {
            GTEST_SKIP() << "the generator still writes a stand-in box for this model";
        }
    }
    const auto radius = [&folder](const char* stem) {
        dh::Mesh mesh;
        dh::loadMD2Geometry(folder / (std::string(stem) + ".md2"), mesh);
        return mesh.boundRadius;
    };
    // Ships fit the 200 x 200 docking bay and the outside views; the missile is
    // small; the station reaches its running lights at x = +-1300.
    EXPECT_LT(radius("Ship_Explorer"), 100.0f);
    EXPECT_LT(radius("Ship_Fighter"), 100.0f);
    EXPECT_GT(radius("Ship_Explorer"), 30.0f);
    EXPECT_GT(radius("Missile"), 8.0f);
    EXPECT_LT(radius("Missile"), 20.0f);
    EXPECT_GT(radius("Spacestation"), 1300.0f);
    dh::Mesh station;
    dh::loadMD2Geometry(folder / "Spacestation.md2", station);
    float reach = 0.0f;
    for (std::size_t i = 0; i < station.positions.size(); i += 3) {
        reach = std::max(reach, std::abs(station.positions[i]));
    }
    EXPECT_GE(reach, 1300.0f);
}
