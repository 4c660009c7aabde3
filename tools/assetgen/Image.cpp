#include "Image.h"

namespace gfxgen {

Image::Image(int width, int height, Colour fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill)
{
}

void Image::put(int x, int y, Colour c, float coverage, Blend mode)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Colour& d = at(x, y);
    switch (mode) {
    case Blend::Replace:
        d = mix(d, c, coverage);
        break;
    case Blend::Add: {
        const float k = c.a * coverage;
        d.r += c.r * k;
        d.g += c.g * k;
        d.b += c.b * k;
        break;
    }
    case Blend::Over: {
        const float sa = clamp01(c.a * coverage);
        const float oa = sa + d.a * (1.0f - sa);
        if (oa <= 0.0f)
            return;
        const float kd = d.a * (1.0f - sa);
        d = {(c.r * sa + d.r * kd) / oa, (c.g * sa + d.g * kd) / oa, (c.b * sa + d.b * kd) / oa, oa};
        break;
    }
    }
}

void Image::bleedIntoTransparent(int passes)
{
    std::vector<bool> known(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); ++i)
        known[i] = pixels_[i].a > 0.0f;
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<bool> next = known;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const size_t i = static_cast<size_t>(y) * width_ + x;
                if (known[i])
                    continue;
                float r = 0, g = 0, b = 0;
                int n = 0;
                for (int j = -1; j <= 1; ++j)
                    for (int k = -1; k <= 1; ++k) {
                        const int nx = x + k, ny = y + j;
                        if (nx < 0 || ny < 0 || nx >= width_ || ny >= height_)
                            continue;
                        const size_t ni = static_cast<size_t>(ny) * width_ + nx;
                        if (!known[ni])
                            continue;
                        r += pixels_[ni].r;
                        g += pixels_[ni].g;
                        b += pixels_[ni].b;
                        ++n;
                    }
                if (n > 0) {
                    pixels_[i] = {r / n, g / n, b / n, 0.0f};
                    next[i] = true;
                }
            }
        known.swap(next);
    }
}

namespace sdf {

float roundBox(float px, float py, float cx, float cy, float halfW, float halfH, float radius)
{
    const float qx = std::fabs(px - cx) - halfW + radius;
    const float qy = std::fabs(py - cy) - halfH + radius;
    const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float capsule(float px, float py, float ax, float ay, float bx, float by, float radius)
{
    const float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
    const float len2 = bax * bax + bay * bay;
    const float h = len2 > 0.0f ? clamp01((pax * bax + pay * bay) / len2) : 0.0f;
    return std::hypot(pax - bax * h, pay - bay * h) - radius;
}

float polygon(float px, float py, const std::vector<Point>& v)
{
    // Exact distance to the outline, with the sign from the crossing count.
    float d = (px - v[0].x) * (px - v[0].x) + (py - v[0].y) * (py - v[0].y);
    bool inside = false;
    for (size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        const float ex = v[j].x - v[i].x, ey = v[j].y - v[i].y;
        const float wx = px - v[i].x, wy = py - v[i].y;
        const float len2 = ex * ex + ey * ey;
        const float h = len2 > 0.0f ? clamp01((wx * ex + wy * ey) / len2) : 0.0f;
        const float bx = wx - ex * h, by = wy - ey * h;
        d = std::min(d, bx * bx + by * by);
        if ((v[i].y > py) != (v[j].y > py) && px < (v[j].x - v[i].x) * (py - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            inside = !inside;
    }
    return inside ? -std::sqrt(d) : std::sqrt(d);
}

} // namespace sdf

} // namespace gfxgen
