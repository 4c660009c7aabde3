#include "rendering/MD2Mesh.h"

#include "platform/PlatformFiles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <new>
#include <vector>

namespace dh {

namespace {

constexpr std::int32_t kIdent = 0x32504449; // "IDP2"
constexpr std::int32_t kVersion = 8;
constexpr std::int32_t kMaxSkins = 32;
constexpr std::int32_t kMaxFrames = 512;
constexpr std::int32_t kMaxTriangles = 4096;
constexpr std::int32_t kMaxVertices = 2048;
constexpr std::int32_t kMaxTexCoords = 2048;
constexpr std::size_t kHeaderSize = 68;
constexpr std::size_t kFrameHeaderSize = 40;
// No model comes near a billion units; beyond it the squares of a triangle's
// sides leave float's range and its normals and bounds stop meaning anything.
constexpr float kMaxCoordinate = 1e9f;

struct Header {
    std::int32_t ident, version, skinWidth, skinHeight, frameSize, skins, vertices, texCoords, triangles,
        glCommands, frames, offsetSkins, offsetTexCoords, offsetTriangles, offsetFrames, offsetGlCommands,
        offsetEnd;
};
static_assert(sizeof(Header) == kHeaderSize);

// Reads little-endian fields from the file's bytes; any read past the end is an error.
class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& data) : data_(data) {}

    bool seek(std::int64_t offset)
    {
        if (offset < 0 || static_cast<std::uint64_t>(offset) > data_.size()) {
            return false;
        }
        pos_ = static_cast<std::size_t>(offset);
        return true;
    }
    bool has(std::size_t bytes) const { return data_.size() - pos_ >= bytes; }
    std::uint32_t u32()
    {
        const std::uint32_t v = static_cast<std::uint32_t>(data_[pos_]) | (std::uint32_t{data_[pos_ + 1]} << 8) |
                                (std::uint32_t{data_[pos_ + 2]} << 16) | (std::uint32_t{data_[pos_ + 3]} << 24);
        pos_ += 4;
        return v;
    }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    float f32()
    {
        const std::uint32_t bits = u32();
        float v = 0.0f;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    std::uint16_t u16()
    {
        const auto v = static_cast<std::uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    std::uint8_t u8() { return data_[pos_++]; }
    void skip(std::size_t bytes) { pos_ += bytes; }

private:
    const std::vector<std::uint8_t>& data_;
    std::size_t pos_ = 0;
};

bool readHeader(Reader& in, Header& h)
{
    if (!in.has(kHeaderSize)) {
        return false;
    }
    std::array<std::int32_t, 17> fields{};
    for (std::int32_t& field : fields) {
        field = in.i32();
    }
    std::memcpy(&h, fields.data(), sizeof h);
    return true;
}

// Counts are signed in the file: a negative one is as invalid as zero. The
// skin size divides the texture coordinates, so it must be positive too.
bool isValid(const Header& h)
{
    const auto within = [](std::int32_t count, std::int32_t limit) { return count > 0 && count <= limit; };
    return h.ident == kIdent && h.version == kVersion && h.skins <= kMaxSkins && h.frames <= kMaxFrames &&
           within(h.triangles, kMaxTriangles) && within(h.vertices, kMaxVertices) &&
           within(h.texCoords, kMaxTexCoords) && h.frames > 0 && h.offsetFrames < h.offsetEnd &&
           h.offsetTexCoords < h.offsetEnd && h.offsetTriangles < h.offsetEnd &&
           h.offsetGlCommands < h.offsetEnd && h.offsetSkins < h.offsetEnd && h.skinWidth > 0 &&
           h.skinHeight > 0;
}

struct Triangle {
    std::array<std::uint16_t, 3> vertex;
    std::array<std::uint16_t, 3> texCoord;
};

struct FrameVertex {
    std::uint8_t x, y, z;
};

struct Frame {
    std::array<float, 3> scale{};
    std::array<float, 3> translate{};
    std::vector<FrameVertex> vertices;
};

bool readTexCoords(Reader& in, const Header& h, std::vector<std::array<std::int16_t, 2>>& st)
{
    const auto count = static_cast<std::size_t>(h.texCoords);
    if (!in.seek(h.offsetTexCoords) || !in.has(4 * count)) {
        return false;
    }
    st.resize(count);
    for (auto& pair : st) {
        pair[0] = static_cast<std::int16_t>(in.u16());
        pair[1] = static_cast<std::int16_t>(in.u16());
    }
    return true;
}

// An index past the vertices or texture coordinates makes the file invalid.
bool readTriangles(Reader& in, const Header& h, std::vector<Triangle>& triangles)
{
    const auto count = static_cast<std::size_t>(h.triangles);
    if (!in.seek(h.offsetTriangles) || !in.has(12 * count)) {
        return false;
    }
    triangles.resize(count);
    for (Triangle& t : triangles) {
        for (std::uint16_t& v : t.vertex) {
            v = in.u16();
            if (v >= h.vertices) {
                return false;
            }
        }
        for (std::uint16_t& c : t.texCoord) {
            c = in.u16();
            if (c >= h.texCoords) {
                return false;
            }
        }
    }
    return true;
}

bool readFirstFrame(Reader& in, const Header& h, Frame& frame)
{
    const auto count = static_cast<std::size_t>(h.vertices);
    if (!in.seek(h.offsetFrames) || !in.has(kFrameHeaderSize + 4 * count)) {
        return false;
    }
    for (float& s : frame.scale) {
        s = in.f32();
    }
    for (float& t : frame.translate) {
        t = in.f32();
    }
    in.skip(16);
    frame.vertices.resize(count);
    for (FrameVertex& v : frame.vertices) {
        v.x = in.u8();
        v.y = in.u8();
        v.z = in.u8();
        in.skip(1);
    }
    return true;
}

bool readFile(const std::filesystem::path& file, std::vector<std::uint8_t>& data)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return false;
    }
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool readGeometry(const std::filesystem::path& file, Mesh& mesh)
{
    std::vector<std::uint8_t> data;
    Header h{};
    std::vector<std::array<std::int16_t, 2>> st;
    std::vector<Triangle> triangles;
    Frame frame;
    Reader in(data);
    if (!readFile(file, data) || !readHeader(in, h) || !isValid(h) || !readTexCoords(in, h, st) ||
        !readTriangles(in, h, triangles) || !readFirstFrame(in, h, frame)) {
        return false;
    }
    std::vector<float> positions;
    std::vector<float> texCoords;
    positions.reserve(9 * triangles.size());
    texCoords.reserve(6 * triangles.size());
    const auto skinWidth = static_cast<float>(h.skinWidth);
    const auto skinHeight = static_cast<float>(h.skinHeight);
    for (const Triangle& t : triangles) {
        for (int k = 0; k < 3; ++k) {
            const FrameVertex& v = frame.vertices[t.vertex[k]];
            // The file's z axis is the game's y axis.
            positions.push_back(v.x * frame.scale[0] + frame.translate[0]);
            positions.push_back(v.z * frame.scale[2] + frame.translate[2]);
            positions.push_back(v.y * frame.scale[1] + frame.translate[1]);
            texCoords.push_back(st[t.texCoord[k]][0] / skinWidth);
            texCoords.push_back(st[t.texCoord[k]][1] / skinHeight);
        }
    }
    if (!std::all_of(positions.begin(), positions.end(), [](float v) { return std::abs(v) <= kMaxCoordinate; })) {
        return false;
    }
    mesh.setTriangles(std::move(positions), std::move(texCoords));
    return true;
}

}

bool loadMD2Geometry(const std::filesystem::path& file, Mesh& mesh)
{
    try {
        if (readGeometry(file, mesh)) {
            return true;
        }
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory loading model, shown as a cube: " << file.string() << '\n';
    }
    mesh.makeFallbackCube();
    return false;
}

MD2Mesh::MD2Mesh(const std::string& meshFile, const std::string& skinFile)
{
    texture = std::make_unique<GLTexture>(skinFile);
    loadMD2Geometry(assetPath(meshFile), *this);
}

}
