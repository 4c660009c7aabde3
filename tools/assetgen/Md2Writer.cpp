#include "Md2Writer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <stdexcept>

namespace modelgen {

namespace {

constexpr int kHeaderSize = 68;
constexpr int kSkinNameSize = 64;
constexpr int kFrameHeaderSize = 40;
constexpr std::size_t kMaxTriangles = 4096;
constexpr std::size_t kMaxVertices = 2048;
constexpr std::size_t kMaxTexCoords = 2048;

using Byte3 = std::array<std::uint8_t, 3>;
using Short2 = std::array<std::int16_t, 2>;

class ByteSink {
public:
    void u8(std::uint8_t v) { bytes.push_back(v); }
    void i16(std::int16_t v)
    {
        const auto u = static_cast<std::uint16_t>(v);
        u8(static_cast<std::uint8_t>(u & 0xFF));
        u8(static_cast<std::uint8_t>(u >> 8));
    }
    void i32(std::int32_t v)
    {
        const auto u = static_cast<std::uint32_t>(v);
        for (int shift = 0; shift < 32; shift += 8)
            u8(static_cast<std::uint8_t>((u >> shift) & 0xFF));
    }
    void f32(float v)
    {
        std::int32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        i32(bits);
    }
    void text(const std::string& s, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i)
            u8(i + 1 < size && i < s.size() ? static_cast<std::uint8_t>(s[i]) : 0);
    }
    std::vector<std::uint8_t> bytes;
};

// File axis order: game x, game z, game y.
Vec3 toFile(Vec3 g) { return {g.x, g.z, g.y}; }

template <typename Key>
int indexOf(std::map<Key, int>& index, std::vector<Key>& order, const Key& key)
{
    const auto [it, added] = index.emplace(key, static_cast<int>(order.size()));
    if (added)
        order.push_back(key);
    return it->second;
}

Byte3 quantise(Vec3 position, const Md2Grid& grid)
{
    const Vec3 p = toFile(position), scale = toFile(grid.scale), origin = toFile(grid.translate);
    Byte3 out;
    for (int axis = 0; axis < 3; ++axis) {
        const long b = std::lround((p[axis] - origin[axis]) / scale[axis]);
        if (b < 0 || b > 255)
            throw std::runtime_error("model vertex outside its grid");
        out[axis] = static_cast<std::uint8_t>(b);
    }
    return out;
}

bool collapsed(const Byte3& a, const Byte3& b, const Byte3& c)
{
    long u[3], v[3];
    for (int i = 0; i < 3; ++i) {
        u[i] = long{b[i]} - a[i];
        v[i] = long{c[i]} - a[i];
    }
    return u[1] * v[2] == u[2] * v[1] && u[2] * v[0] == u[0] * v[2] && u[0] * v[1] == u[1] * v[0];
}

std::int16_t texel(float value, int limit)
{
    return static_cast<std::int16_t>(std::clamp(std::lround(value), 0L, long{limit}));
}

}  // namespace

Md2Grid fitGrid(const ModelMesh& mesh)
{
    Vec3 lo{1e30f, 1e30f, 1e30f}, hi{-1e30f, -1e30f, -1e30f};
    for (const ModelTriangle& t : mesh.triangles)
        for (const ModelVertex& v : t) {
            lo = {std::min(lo.x, v.p.x), std::min(lo.y, v.p.y), std::min(lo.z, v.p.z)};
            hi = {std::max(hi.x, v.p.x), std::max(hi.y, v.p.y), std::max(hi.z, v.p.z)};
        }
    const Vec3 span = hi - lo;
    auto step = [](float s) { return s > 0 ? s / 255.0f : 1.0f; };
    return {{step(span.x), step(span.y), step(span.z)}, lo};
}

std::vector<std::uint8_t> encodeMd2(const ModelMesh& mesh, const Md2Grid& grid,
                                    const std::string& skinName)
{
    std::map<Byte3, int> vertexIndex;
    std::vector<Byte3> vertices;
    std::map<Short2, int> texIndex;
    std::vector<Short2> texCoords;
    std::vector<std::array<int, 6>> triangles;
    for (const ModelTriangle& t : mesh.triangles) {
        std::array<Byte3, 3> q;
        std::array<int, 6> tri;
        for (int k = 0; k < 3; ++k) {
            q[k] = quantise(t[k].p, grid);
            tri[k] = indexOf(vertexIndex, vertices, q[k]);
            const Short2 st{texel(t[k].s, mesh.skinWidth), texel(t[k].t, mesh.skinHeight)};
            tri[3 + k] = indexOf(texIndex, texCoords, st);
        }
        if (collapsed(q[0], q[1], q[2]))
            throw std::runtime_error("model triangle collapses on its grid");
        triangles.push_back(tri);
    }
    if (triangles.empty() || triangles.size() > kMaxTriangles || vertices.size() > kMaxVertices ||
        texCoords.size() > kMaxTexCoords)
        throw std::runtime_error("model exceeds the MD2 limits");

    const int frameSize = kFrameHeaderSize + 4 * static_cast<int>(vertices.size());
    const int glCommands = 10 * static_cast<int>(triangles.size()) + 1;
    const int ofsSkins = kHeaderSize;
    const int ofsTexCoords = ofsSkins + kSkinNameSize;
    const int ofsTriangles = ofsTexCoords + 4 * static_cast<int>(texCoords.size());
    const int ofsFrames = ofsTriangles + 12 * static_cast<int>(triangles.size());
    const int ofsGlCommands = ofsFrames + frameSize;
    const int ofsEnd = ofsGlCommands + 4 * glCommands;

    ByteSink out;
    for (std::int32_t v : {0x32504449, 8, mesh.skinWidth, mesh.skinHeight, frameSize, 1,
                           static_cast<int>(vertices.size()), static_cast<int>(texCoords.size()),
                           static_cast<int>(triangles.size()), glCommands, 1, ofsSkins,
                           ofsTexCoords, ofsTriangles, ofsFrames, ofsGlCommands, ofsEnd})
        out.i32(v);
    out.text(skinName, kSkinNameSize);
    for (const Short2& st : texCoords) {
        out.i16(st[0]);
        out.i16(st[1]);
    }
    for (const auto& tri : triangles)
        for (int index : tri)
            out.i16(static_cast<std::int16_t>(index));
    const Vec3 scale = toFile(grid.scale), origin = toFile(grid.translate);
    for (float v : {scale.x, scale.y, scale.z, origin.x, origin.y, origin.z})
        out.f32(v);
    out.text("frame1", 16);
    for (const Byte3& v : vertices) {
        for (std::uint8_t b : v)
            out.u8(b);
        out.u8(0);  // normal index: unused by the game
    }
    // Each triangle as a three-vertex strip, for tools that draw GL commands.
    for (const auto& tri : triangles) {
        out.i32(3);
        for (int k = 0; k < 3; ++k) {
            const Short2& st = texCoords[static_cast<std::size_t>(tri[3 + k])];
            out.f32(static_cast<float>(st[0]) / static_cast<float>(mesh.skinWidth));
            out.f32(static_cast<float>(st[1]) / static_cast<float>(mesh.skinHeight));
            out.i32(tri[k]);
        }
    }
    out.i32(0);
    return out.bytes;
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream stream(file, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!stream)
        throw std::runtime_error("cannot write " + file.string());
}

}  // namespace modelgen
