#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace dh::audiogen {

Buffer makeBuffer(double seconds)
{
    return Buffer(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0f);
}

double timeOf(std::size_t index)
{
    return static_cast<double>(index) / kSampleRate;
}

Noise::Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}

double Noise::uniform()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_ >> 8) / 16777216.0;
}

float Noise::white()
{
    return static_cast<float>(uniform() * 2.0 - 1.0);
}

float Noise::brown()
{
    brownState_ = brownState_ * 0.995f + white() * 0.06f;
    return brownState_;
}

double Oscillator::advance(double hz)
{
    const double p = phase_;
    phase_ += hz / kSampleRate;
    phase_ -= std::floor(phase_);
    return p;
}

float Oscillator::sine(double hz)
{
    return static_cast<float>(std::sin(2.0 * kPi * advance(hz)));
}

namespace {
// Polynomial band-limited step correction around a discontinuity at phase 0.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
} // namespace

float Oscillator::saw(double hz)
{
    const double dt = hz / kSampleRate;
    const double t = advance(hz);
    return static_cast<float>(2.0 * t - 1.0 - polyBlep(t, dt));
}

float Oscillator::square(double hz, double width)
{
    const double dt = hz / kSampleRate;
    const double t = advance(hz);
    double v = t < width ? 1.0 : -1.0;
    v += polyBlep(t, dt);
    double falling = t - width;
    falling -= std::floor(falling);
    v -= polyBlep(falling, dt);
    return static_cast<float>(v);
}

void Biquad::setCoefficients(double b0, double b1, double b2, double a0, double a1, double a2)
{
    b0_ = b0 / a0;
    b1_ = b1 / a0;
    b2_ = b2 / a0;
    a1_ = a1 / a0;
    a2_ = a2 / a0;
}

void Biquad::setLowPass(double hz, double q)
{
    const double w = 2.0 * kPi * std::min(hz, kSampleRate * 0.45) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    setCoefficients((1.0 - c) / 2.0, 1.0 - c, (1.0 - c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setHighPass(double hz, double q)
{
    const double w = 2.0 * kPi * std::min(hz, kSampleRate * 0.45) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    setCoefficients((1.0 + c) / 2.0, -(1.0 + c), (1.0 + c) / 2.0, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

void Biquad::setBandPass(double hz, double q)
{
    const double w = 2.0 * kPi * std::min(hz, kSampleRate * 0.45) / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    setCoefficients(alpha, 0.0, -alpha, 1.0 + alpha, -2.0 * c, 1.0 - alpha);
}

float Biquad::process(float x)
{
    const double y = b0_ * x + b1_ * x1_ + b2_ * x2_ - a1_ * y1_ - a2_ * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return static_cast<float>(y);
}

float envAttackDecay(double t, double attack, double tau)
{
    if (t < 0.0)
        return 0.0f;
    if (t < attack)
        return static_cast<float>(t / attack);
    return static_cast<float>(std::exp(-(t - attack) / tau));
}

float smoothStep(double x)
{
    x = std::clamp(x, 0.0, 1.0);
    return static_cast<float>(0.5 - 0.5 * std::cos(kPi * x));
}

double expGlide(double a, double b, double x)
{
    return a * std::pow(b / a, std::clamp(x, 0.0, 1.0));
}

void addStrike(Buffer& out, double start, const std::vector<Partial>& partials, double attack)
{
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    for (const Partial& p : partials) {
        Oscillator osc;
        for (std::size_t i = first; i < out.size(); ++i) {
            const double t = timeOf(i - first);
            out[i] += static_cast<float>(p.amplitude) * envAttackDecay(t, attack, p.tau) *
                      osc.sine(p.hz);
        }
    }
}

void mixInto(Buffer& out, const Buffer& src, double start, float gain)
{
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    for (std::size_t i = 0; i < src.size() && first + i < out.size(); ++i)
        out[first + i] += src[i] * gain;
}

void removeDc(Buffer& buffer)
{
    // Two passes of a 15 Hz high-pass, forwards and backwards: no phase shift
    // and no start-up step at either end.
    for (int pass = 0; pass < 2; ++pass) {
        Biquad hp;
        hp.setHighPass(15.0, 0.7071);
        for (float& s : buffer)
            s = hp.process(s);
        std::reverse(buffer.begin(), buffer.end());
    }
}

void fadeEdges(Buffer& buffer, double fadeIn, double fadeOut)
{
    const std::size_t n = buffer.size();
    const auto in = std::min(n, static_cast<std::size_t>(fadeIn * kSampleRate));
    const auto out = std::min(n, static_cast<std::size_t>(fadeOut * kSampleRate));
    for (std::size_t i = 0; i < in; ++i)
        buffer[i] *= smoothStep(static_cast<double>(i) / in);
    for (std::size_t i = 0; i < out; ++i)
        buffer[n - 1 - i] *= smoothStep(static_cast<double>(i) / out);
}

double peakDbfs(const Buffer& buffer)
{
    float peak = 0.0f;
    for (float s : buffer)
        peak = std::max(peak, std::fabs(s));
    return peak > 0.0f ? 20.0 * std::log10(peak) : -1000.0;
}

void normalizePeak(Buffer& buffer, double targetDbfs)
{
    const double current = peakDbfs(buffer);
    if (current <= -1000.0)
        throw std::runtime_error("cannot normalise a silent sound");
    const auto gain = static_cast<float>(std::pow(10.0, (targetDbfs - current) / 20.0));
    for (float& s : buffer)
        s *= gain;
}

Buffer makeSeamlessLoop(const Buffer& render, std::size_t loopLength, std::size_t fadeLength,
                        Crossfade shape)
{
    if (render.size() < loopLength + fadeLength || fadeLength > loopLength)
        throw std::runtime_error("loop render too short for its crossfade");
    Buffer loop(render.begin(), render.begin() + static_cast<std::ptrdiff_t>(loopLength));
    for (std::size_t i = 0; i < fadeLength; ++i) {
        const double x = static_cast<double>(i) / fadeLength;
        double in = x;
        double out = 1.0 - x;
        if (shape == Crossfade::EqualPower) {
            in = std::sin(0.5 * kPi * x);
            out = std::cos(0.5 * kPi * x);
        }
        loop[i] = static_cast<float>(render[i] * in + render[loopLength + i] * out);
    }
    return loop;
}

} // namespace dh::audiogen
