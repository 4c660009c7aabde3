#pragma once
// Building blocks for the game's synthesised sound effects: oscillators with
// a running phase, seeded noise, filters that may be retuned every sample,
// envelopes, and the finishing steps (levels, edges, seamless loops).
#include <cstddef>
#include <cstdint>
#include <vector>

namespace dh::audiogen {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using Buffer = std::vector<float>;

Buffer makeBuffer(double seconds);
double timeOf(std::size_t index);

// Small xorshift generator: the same seed gives the same sound on every build.
class Noise {
public:
    explicit Noise(std::uint32_t seed);
    float white();        // uniform in [-1, 1)
    double uniform();     // uniform in [0, 1)
    float brown();        // integrated white noise, leaky so it stays bounded
private:
    std::uint32_t state_;
    float brownState_ = 0.0f;
};

// Phase-accumulating oscillator; the frequency may change every sample.
class Oscillator {
public:
    explicit Oscillator(double phase = 0.0) : phase_(phase) {}
    float sine(double hz);
    float saw(double hz);                  // band-limited (polyBLEP)
    float square(double hz, double width); // band-limited pulse, width in (0, 1)
private:
    double advance(double hz);
    double phase_;
};

// Biquad filter (RBJ cookbook); set* recomputes the coefficients so sweeps
// can retune it every sample without disturbing its state.
class Biquad {
public:
    void setLowPass(double hz, double q);
    void setHighPass(double hz, double q);
    void setBandPass(double hz, double q);
    float process(float x);
private:
    void setCoefficients(double b0, double b1, double b2, double a0, double a1, double a2);
    double b0_ = 1.0, b1_ = 0.0, b2_ = 0.0, a1_ = 0.0, a2_ = 0.0;
    double x1_ = 0.0, x2_ = 0.0, y1_ = 0.0, y2_ = 0.0;
};

// Attack-decay envelope: linear rise over attack seconds, then exponential
// fall with time constant tau.
float envAttackDecay(double t, double attack, double tau);
// Smooth 0..1 ramp (raised cosine) of x clamped to [0, 1].
float smoothStep(double x);
// Exponential glide from a to b as x goes 0..1.
double expGlide(double a, double b, double x);

// A decaying sine partial of a struck object.
struct Partial {
    double hz;
    double amplitude;
    double tau;
};
// The attack (seconds) softens the strike: 1 ms clicks like metal, a few
// milliseconds ring like glass.
void addStrike(Buffer& out, double start, const std::vector<Partial>& partials, double attack = 0.001);

// Mix src into out, scaled, starting at a time in seconds.
void mixInto(Buffer& out, const Buffer& src, double start, float gain);

// Finishing steps.
void removeDc(Buffer& buffer);
void fadeEdges(Buffer& buffer, double fadeIn, double fadeOut);
void normalizePeak(Buffer& buffer, double peakDbfs);
double peakDbfs(const Buffer& buffer);

// A loop of loopLength samples from a longer render: the render's extra tail
// is crossfaded into the loop's start, so the last sample of the loop leads
// straight into the first. Noise wants an equal-power fade; tones that repeat
// a whole number of times per loop want a linear one (no swell).
enum class Crossfade { Linear, EqualPower };
Buffer makeSeamlessLoop(const Buffer& render, std::size_t loopLength, std::size_t fadeLength,
                        Crossfade shape);

} // namespace dh::audiogen
