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

void Image::draw(const Image& src, int dx, int dy, Blend mode)
{
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            put(dx + x, dy + y, src.at(x, y), 1.0f, mode);
}

Image Image::flippedHorizontally() const
{
    Image out(width_, height_);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            out.at(width_ - 1 - x, y) = at(x, y);
    return out;
}

Image Image::downsampled(int factor) const
{
    Image out(width_ / factor, height_ / factor);
    const float n = static_cast<float>(factor * factor);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            // Colours are weighted by alpha so transparent samples add no tint.
            float r = 0, g = 0, b = 0, a = 0;
            for (int j = 0; j < factor; ++j)
                for (int i = 0; i < factor; ++i) {
                    const Colour& c = at(x * factor + i, y * factor + j);
                    r += c.r * c.a;
                    g += c.g * c.a;
                    b += c.b * c.a;
                    a += c.a;
                }
            out.at(x, y) = a > 0.0f ? Colour{r / a, g / a, b / a, a / n} : Colour{0, 0, 0, 0};
        }
    return out;
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
