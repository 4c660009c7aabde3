#pragma once
#include <algorithm>
#include <cmath>
#include <vector>

namespace gfxgen {

struct Colour {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 1.0f;
};

inline Colour mix(Colour p, Colour q, float t)
{
    return {p.r + (q.r - p.r) * t, p.g + (q.g - p.g) * t, p.b + (q.b - p.b) * t, p.a + (q.a - p.a) * t};
}

inline Colour shade(Colour c, float k) { return {c.r * k, c.g * k, c.b * k, c.a}; }
inline Colour withAlpha(Colour c, float a) { return {c.r, c.g, c.b, a}; }

inline float clamp01(float v) { return std::clamp(v, 0.0f, 1.0f); }
inline float smoothstep(float e0, float e1, float v)
{
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

// Over: ordinary painting with straight alpha. Add: light added to the colour
// (for pictures drawn additively on black). Replace: the source as it is.
enum class Blend { Over, Add, Replace };

class Image {
public:
    Image(int width, int height, Colour fill = {0.0f, 0.0f, 0.0f, 0.0f});

    int width() const { return width_; }
    int height() const { return height_; }
    Colour& at(int x, int y) { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const Colour& at(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }

    void put(int x, int y, Colour c, float coverage, Blend mode);

    // Paints the pixels of the box whose centres the shape covers. shape(x, y)
    // is a signed distance in pixels (negative inside), antialiased over one
    // pixel; shader(x, y) gives the colour there.
    template <class Shape, class Shader>
    void paint(float x0, float y0, float x1, float y1, Shape shape, Shader shader, Blend mode = Blend::Over)
    {
        const int ix0 = std::max(0, static_cast<int>(std::floor(x0)) - 1);
        const int iy0 = std::max(0, static_cast<int>(std::floor(y0)) - 1);
        const int ix1 = std::min(width_, static_cast<int>(std::ceil(x1)) + 1);
        const int iy1 = std::min(height_, static_cast<int>(std::ceil(y1)) + 1);
        for (int y = iy0; y < iy1; ++y)
            for (int x = ix0; x < ix1; ++x) {
                const float px = x + 0.5f, py = y + 0.5f;
                const float coverage = clamp01(0.5f - shape(px, py));
                if (coverage > 0.0f)
                    put(x, y, shader(px, py), coverage, mode);
            }
    }

    // Every pixel from shader(x, y), combined by mode.
    template <class Shader>
    void each(Shader shader, Blend mode = Blend::Replace)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                put(x, y, shader(x + 0.5f, y + 0.5f), 1.0f, mode);
    }

    // Gives fully transparent pixels the colour of their visible neighbours, so
    // that filtering at the edge of a shape does not pull in black.
    void bleedIntoTransparent(int passes = 8);

private:
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

inline auto solid(Colour c)
{
    return [c](float, float) { return c; };
}

// Signed distances in pixels, negative inside.
namespace sdf {
struct Point {
    float x, y;
};
inline float circle(float px, float py, float cx, float cy, float r) { return std::hypot(px - cx, py - cy) - r; }
inline float ring(float px, float py, float cx, float cy, float r, float halfWidth)
{
    return std::fabs(circle(px, py, cx, cy, r)) - halfWidth;
}
float roundBox(float px, float py, float cx, float cy, float halfW, float halfH, float radius);
float capsule(float px, float py, float ax, float ay, float bx, float by, float radius);
float polygon(float px, float py, const std::vector<Point>& points);
inline float unite(float a, float b) { return std::min(a, b); }
inline float subtract(float a, float b) { return std::max(a, -b); }
} // namespace sdf

// Polygon painting: the inside, and a band of the given width just inside the
// outline (a frame or bevel).
template <class Shader>
void fillPolygon(Image& img, const std::vector<sdf::Point>& pts, Shader shader, Blend mode = Blend::Over)
{
    img.paint(0, 0, static_cast<float>(img.width()), static_cast<float>(img.height()),
              [&](float x, float y) { return sdf::polygon(x, y, pts); }, shader, mode);
}

template <class Shader>
void framePolygon(Image& img, const std::vector<sdf::Point>& pts, float width, Shader shader, Blend mode = Blend::Over)
{
    img.paint(0, 0, static_cast<float>(img.width()), static_cast<float>(img.height()), [&](float x, float y) {
        const float d = sdf::polygon(x, y, pts);
        return std::max(d, -(d + width));
    }, shader, mode);
}

} // namespace gfxgen
