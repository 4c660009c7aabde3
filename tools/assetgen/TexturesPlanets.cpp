#include "PaintNoise.h"
#include "TexturesParts.h"

#include <array>
#include <cmath>
#include <functional>
#include <string>

namespace gfxgen {
namespace {

constexpr int kSize = 256;

struct Vec3 {
    float x, y, z;
};
Vec3 operator*(Vec3 v, float k) { return {v.x * k, v.y * k, v.z * k}; }
float dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 normalised(Vec3 v) { return v * (1.0f / std::sqrt(dot(v, v))); }

// Light from the upper right and in front, so the disc is a gibbous world
// with its night side on the lower left.
const Vec3 kLight = normalised({0.62f, 0.38f, 0.68f});

struct Surface {
    Colour colour;
    Colour emission{0, 0, 0, 1}; // glows on the night side too
    float gloss = 0.0f;          // specular strength (water, ice)
};

struct World {
    std::function<Surface(Vec3)> surface; // at a point of the unit sphere
    Colour atmosphere;
    float haze;          // 0 none .. 1 thick
    float radius = 0.9f; // of the half size
};

float fbm(Vec3 p, float scale, uint32_t seed, int octaves, float gain = 0.5f)
{
    return fbm3(p.x * scale, p.y * scale, p.z * scale, seed, octaves, gain);
}

// Tilts the globe so its poles are not on the picture's axes.
Vec3 toGlobe(Vec3 n)
{
    const float a = 0.35f, b = 0.45f;
    const Vec3 r1{n.x * std::cos(a) - n.y * std::sin(a), n.x * std::sin(a) + n.y * std::cos(a), n.z};
    return {r1.x, r1.y * std::cos(b) - r1.z * std::sin(b), r1.y * std::sin(b) + r1.z * std::cos(b)};
}

Colour litSurface(const World& w, Vec3 n)
{
    const Surface s = w.surface(toGlobe(n));
    const float diffuse = dot(n, kLight);
    const float light = 0.03f + 1.05f * smoothstep(-0.12f, 0.55f, diffuse) * (0.35f + 0.65f * clamp01(diffuse));
    const Vec3 half = normalised({kLight.x, kLight.y, kLight.z + 1.0f});
    const float glint = s.gloss * std::pow(clamp01(dot(n, half)), 40.0f);
    Colour c{s.colour.r * light + glint + s.emission.r, s.colour.g * light + glint + s.emission.g,
             s.colour.b * light + glint + s.emission.b, 1.0f};
    const float rim = std::pow(1.0f - clamp01(n.z), 2.2f) * w.haze;
    const float rimLight = 0.15f + smoothstep(-0.4f, 0.6f, diffuse);
    c = mix(c, shade(w.atmosphere, rimLight), clamp01(rim * 0.85f));
    return c;
}

Image renderWorld(const World& w, int size = kSize)
{
    Image img(size, size);
    const float half = size * 0.5f, radius = w.radius * half;
    img.each([&](float x, float y) {
        const float u = (x - half) / radius, v = (y - half) / radius;
        const float d = std::hypot(u, v);
        const float cover = clamp01(0.5f + (1.0f - d) * radius);
        // Haze beyond the limb, brighter on the lit side.
        const float rimDir = d > 0.0f ? (u * kLight.x - v * kLight.y) / d : 0.0f;
        const float halo = w.haze * std::pow(clamp01(1.0f - (d - 1.0f) / 0.07f), 2.0f) * (d > 1.0f ? 1.0f : 0.0f) *
                           (0.3f + 0.7f * clamp01(rimDir + 0.4f));
        Colour c{0, 0, 0, 0};
        if (cover > 0.0f) {
            const float k = std::min(d, 0.9995f) / std::max(d, 1e-6f);
            const float nu = u * k, nv = v * k;
            c = withAlpha(litSurface(w, {nu, -nv, std::sqrt(std::max(0.0f, 1.0f - nu * nu - nv * nv))}), cover);
        }
        if (halo > 0.0f && cover < 1.0f) {
            const float a = cover + halo * (1.0f - cover);
            const float kh = halo * (1.0f - cover);
            c = {(c.r * cover + w.atmosphere.r * kh) / a, (c.g * cover + w.atmosphere.g * kh) / a,
                 (c.b * cover + w.atmosphere.b * kh) / a, a};
        }
        return c;
    });
    return img;
}

Colour ramp(const std::vector<Colour>& stops, float t)
{
    t = clamp01(t) * static_cast<float>(stops.size() - 1);
    const size_t i = std::min(static_cast<size_t>(t), stops.size() - 2);
    return mix(stops[i], stops[i + 1], t - static_cast<float>(i));
}

float latitude(Vec3 p) { return std::asin(std::clamp(p.y, -1.0f, 1.0f)); }

struct Crater {
    Vec3 centre;
    float radius; // angular
};

std::vector<Crater> craters(uint32_t seed, int count)
{
    Rng rng(seed);
    std::vector<Crater> out;
    for (int i = 0; i < count; ++i) {
        const Vec3 c = normalised({rng.range(-1, 1), rng.range(-1, 1), rng.range(-1, 1)});
        out.push_back({c, 0.03f + 0.22f * std::pow(rng.uniform(), 3.0f)});
    }
    return out;
}

Surface rocky(Vec3 p)
{
    static const std::vector<Crater> list = craters(101u, 90);
    const float base = fbm(p, 3.0f, 102u, 6) + 0.5f;
    const float maria = smoothstep(0.05f, 0.2f, fbm(p, 1.3f, 103u, 4));
    Colour c = mix(Colour{0.42f, 0.38f, 0.34f, 1}, Colour{0.66f, 0.61f, 0.55f, 1}, clamp01(base));
    c = mix(c, Colour{0.28f, 0.26f, 0.25f, 1}, maria * 0.6f);
    float k = 1.0f;
    for (const Crater& cr : list) {
        const float d = std::acos(std::clamp(dot(p, cr.centre), -1.0f, 1.0f)) / cr.radius;
        if (d > 1.6f)
            continue;
        k *= 1.0f - 0.22f * (1.0f - smoothstep(0.6f, 0.9f, d));       // dark floor
        k *= 1.0f + 0.35f * std::exp(-std::pow((d - 1.0f) / 0.12f, 2.0f)); // bright rim
        k *= 1.0f + 0.08f * (1.0f - smoothstep(1.0f, 1.6f, d));       // ejecta
    }
    return {shade(c, k)};
}

Surface ocean(Vec3 p)
{
    const float depth = fbm(p, 2.5f, 201u, 5) + 0.5f;
    const float land = fbm(p, 2.2f, 202u, 6);
    Colour c = mix(Colour{0.02f, 0.09f, 0.30f, 1}, Colour{0.05f, 0.32f, 0.55f, 1}, clamp01(depth));
    float gloss = 0.55f;
    if (land > 0.3f) {
        c = mix(Colour{0.76f, 0.7f, 0.5f, 1}, Colour{0.25f, 0.45f, 0.2f, 1}, smoothstep(0.3f, 0.4f, land));
        gloss = 0.0f;
    }
    const Vec3 q{p.x + 0.4f * fbm(p, 2.0f, 203u, 3), p.y * 2.5f, p.z + 0.4f * fbm(p, 2.0f, 204u, 3)};
    const float cloud = smoothstep(0.0f, 0.3f, fbm(q, 2.5f, 205u, 6, 0.55f));
    return {mix(c, Colour{0.95f, 0.97f, 1.0f, 1}, cloud * 0.9f), {0, 0, 0, 1}, gloss * (1.0f - cloud)};
}

Surface gasGiant(Vec3 p)
{
    static const std::vector<Colour> bands{{0.95f, 0.88f, 0.72f, 1}, {0.82f, 0.6f, 0.4f, 1}, {0.6f, 0.38f, 0.24f, 1},
                                           {0.88f, 0.55f, 0.3f, 1},  {0.96f, 0.92f, 0.84f, 1}, {0.72f, 0.5f, 0.34f, 1},
                                           {0.95f, 0.88f, 0.72f, 1}};
    const float lat = latitude(p);
    const Vec3 q{p.x + 0.25f * fbm(p, 2.0f, 303u, 3), p.y, p.z + 0.25f * fbm(p, 2.0f, 304u, 3)};
    const float b = lat * 1.1f + 0.18f * fbm(q, 3.0f, 301u, 5) + 0.04f * fbm(p, 14.0f, 302u, 3);
    Colour c = ramp(bands, std::fmod(b * 1.4f + 30.0f, 1.0f));
    // A great storm: an oval, darker red, swirled inside.
    const float lon = std::atan2(p.x, p.z);
    const float su = (lon - 0.45f) / 0.32f, sv = (lat + 0.38f) / 0.13f;
    const float storm = 1.0f - smoothstep(0.7f, 1.0f, std::hypot(su, sv));
    c = mix(c, mix(Colour{0.75f, 0.32f, 0.2f, 1}, Colour{0.9f, 0.6f, 0.45f, 1}, clamp01(std::hypot(su, sv))), storm);
    return {c};
}

Surface ice(Vec3 p)
{
    const float tone = fbm(p, 2.5f, 401u, 5) + 0.5f;
    Colour c = mix(Colour{0.7f, 0.84f, 0.95f, 1}, Colour{0.96f, 0.98f, 1.0f, 1}, clamp01(tone));
    const float crack = 1.0f - smoothstep(0.0f, 0.035f, std::fabs(fbm(p, 3.5f, 402u, 5)));
    const float fine = 1.0f - smoothstep(0.0f, 0.02f, std::fabs(fbm(p, 8.0f, 403u, 3)));
    c = mix(c, Colour{0.3f, 0.5f, 0.72f, 1}, clamp01(crack * 0.75f + fine * 0.35f));
    return {c, {0, 0, 0, 1}, 0.25f};
}

Surface lava(Vec3 p)
{
    const Vec3 q{p.x + 0.3f * fbm(p, 2.0f, 501u, 3), p.y, p.z + 0.3f * fbm(p, 2.0f, 502u, 3)};
    const float crust = fbm(p, 4.0f, 503u, 5) + 0.5f;
    Colour c = mix(Colour{0.08f, 0.06f, 0.06f, 1}, Colour{0.26f, 0.2f, 0.17f, 1}, clamp01(crust));
    const float crack = 1.0f - smoothstep(0.0f, 0.06f, std::fabs(fbm(q, 3.0f, 504u, 5)));
    const float pool = smoothstep(0.2f, 0.32f, fbm(q, 1.8f, 505u, 4));
    const float heat = clamp01(crack * 0.9f + pool);
    const Colour glow = mix(Colour{0.7f, 0.12f, 0.02f, 1}, Colour{1.0f, 0.75f, 0.2f, 1}, heat * heat);
    return {mix(c, Colour{0.2f, 0.05f, 0.0f, 1}, heat), shade(glow, heat * 1.1f)};
}

Surface desert(Vec3 p)
{
    const float tone = fbm(p, 2.0f, 601u, 5) + 0.5f;
    Colour c = mix(Colour{0.72f, 0.46f, 0.26f, 1}, Colour{0.92f, 0.72f, 0.45f, 1}, clamp01(tone));
    const float dunes = 0.5f + 0.5f * std::sin(p.x * 70.0f + p.z * 25.0f + fbm(p, 3.0f, 602u, 3) * 18.0f);
    c = shade(c, 0.92f + 0.1f * dunes);
    const float rock = smoothstep(0.18f, 0.3f, fbm(p, 3.0f, 603u, 5));
    c = mix(c, Colour{0.42f, 0.28f, 0.2f, 1}, rock * 0.8f);
    const float canyon = 1.0f - smoothstep(0.0f, 0.02f, std::fabs(fbm(p, 2.5f, 604u, 4)));
    return {mix(c, Colour{0.35f, 0.2f, 0.12f, 1}, canyon * 0.6f)};
}

Surface jungle(Vec3 p)
{
    const float land = fbm(p, 1.8f, 701u, 6);
    const float lat = std::fabs(latitude(p));
    Colour c;
    float gloss = 0.0f;
    if (land > 0.02f) {
        const float lush = fbm(p, 5.0f, 702u, 4) + 0.5f;
        c = mix(Colour{0.07f, 0.3f, 0.08f, 1}, Colour{0.24f, 0.45f, 0.12f, 1}, clamp01(lush));
        c = mix(c, Colour{0.45f, 0.38f, 0.25f, 1}, smoothstep(0.2f, 0.32f, land));
    } else {
        c = mix(Colour{0.02f, 0.1f, 0.3f, 1}, Colour{0.05f, 0.35f, 0.45f, 1}, smoothstep(-0.08f, 0.02f, land));
        gloss = 0.4f;
    }
    c = mix(c, Colour{0.95f, 0.97f, 1.0f, 1}, smoothstep(1.1f, 1.25f, lat + 0.1f * fbm(p, 4.0f, 703u, 3)));
    const Vec3 q{p.x + 0.5f * fbm(p, 1.5f, 704u, 3), p.y * 2.0f, p.z + 0.5f * fbm(p, 1.5f, 705u, 3)};
    const float cloud = smoothstep(0.05f, 0.3f, fbm(q, 3.0f, 706u, 6, 0.55f));
    return {mix(c, Colour{0.97f, 0.98f, 1.0f, 1}, cloud * 0.85f), {0, 0, 0, 1}, gloss * (1.0f - cloud)};
}

Surface paleGiant(Vec3 p)
{
    static const std::vector<Colour> bands{{0.93f, 0.88f, 0.7f, 1}, {0.82f, 0.74f, 0.55f, 1}, {0.9f, 0.82f, 0.62f, 1},
                                           {0.76f, 0.66f, 0.5f, 1}, {0.93f, 0.88f, 0.7f, 1}};
    const float b = latitude(p) * 1.6f + 0.05f * fbm(p, 4.0f, 801u, 4);
    return {ramp(bands, std::fmod(b * 2.0f + 20.0f, 1.0f))};
}

// The ringed world: the rings are a tilted flat annulus, drawn behind the
// globe where they pass behind it and in front elsewhere, and dark where
// the globe shades them.
Image ringedWorld()
{
    World w{paleGiant, Colour{0.9f, 0.85f, 0.6f, 1}, 0.25f, 0.44f};
    Image globe = renderWorld(w);
    Image img(kSize, kSize);
    const Vec3 normal = normalised({-0.22f, 0.93f, 0.33f});
    const float half = kSize * 0.5f, radius = w.radius * half;
    img.each([&](float x, float y) {
        const float px = (x - half) / radius, py = -(y - half) / radius;
        const float pz = -(normal.x * px + normal.y * py) / normal.z;
        const float r = std::sqrt(px * px + py * py + pz * pz);
        if (r < 1.3f || r > 2.15f)
            return Colour{0, 0, 0, 0};
        const float t = (r - 1.3f) / 0.85f;
        float density = 0.55f + 0.35f * std::sin(t * 40.0f) * std::sin(t * 13.0f);
        density *= 1.0f - smoothstep(0.52f, 0.56f, t) * (1.0f - smoothstep(0.6f, 0.64f, t)); // the gap
        density *= smoothstep(0.0f, 0.05f, t) * (1.0f - smoothstep(0.95f, 1.0f, t));
        const Vec3 p{px, py, pz};
        const float along = dot(p, kLight);
        const float off = dot(p, p) - along * along;
        const float shadow = (along < 0.0f && off < 1.0f) ? 0.15f : 1.0f;
        const Colour c = shade(mix(Colour{0.75f, 0.68f, 0.55f, 1}, Colour{0.95f, 0.9f, 0.78f, 1}, t), shadow);
        return withAlpha(c, clamp01(density));
    });
    Image out(kSize, kSize);
    // Back half of the ring, the globe, then the front half over it.
    for (int pass = 0; pass < 2; ++pass)
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x) {
                const float px = (x + 0.5f - half) / radius, py = -(y + 0.5f - half) / radius;
                const float pz = -(normal.x * px + normal.y * py) / normal.z;
                const bool front = pz > 0.0f;
                if (pass == 0 && !front)
                    out.put(x, y, img.at(x, y), 1.0f, Blend::Over);
                if (pass == 0)
                    out.put(x, y, globe.at(x, y), 1.0f, Blend::Over);
                if (pass == 1 && front)
                    out.put(x, y, img.at(x, y), 1.0f, Blend::Over);
            }
    return out;
}

const std::array<World, 7> kWorlds{{
        {rocky, Colour{0.6f, 0.6f, 0.6f, 1}, 0.0f},
        {ocean, Colour{0.45f, 0.7f, 1.0f, 1}, 0.9f},
        {gasGiant, Colour{0.95f, 0.75f, 0.5f, 1}, 0.35f},
        {ice, Colour{0.7f, 0.9f, 1.0f, 1}, 0.5f},
        {lava, Colour{1.0f, 0.4f, 0.15f, 1}, 0.45f},
        {desert, Colour{0.95f, 0.75f, 0.5f, 1}, 0.35f},
        {jungle, Colour{0.5f, 0.75f, 1.0f, 1}, 0.85f},
}};

} // namespace

Image jungleWorld(int size) { return renderWorld(kWorlds[6], size); }

void paintPlanetTextures(const std::filesystem::path& gfxDir)
{
    for (size_t i = 0; i < kWorlds.size(); ++i)
        saveTexture(gfxDir, "planet" + std::to_string(i + 1), renderWorld(kWorlds[i]), TgaDepth::Rgba32);
    saveTexture(gfxDir, "planet8", ringedWorld(), TgaDepth::Rgba32);
}

} // namespace gfxgen
