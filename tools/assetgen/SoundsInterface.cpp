// Menu, trading and station sounds: short, clean and quiet enough to be
// heard many times an hour.
#include "SoundsCatalogue.h"

#include <cmath>

namespace dh::audiogen {

Buffer soundButtonOver()
{
    // A soft upward blip.
    Buffer out = makeBuffer(0.09);
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = expGlide(880.0, 1320.0, t / 0.025);
        const float s = osc.sine(hz);
        out[i] = envAttackDecay(t, 0.004, 0.022) * (s + 0.15f * s * s * s);
    }
    return out;
}

Buffer soundButtonClick()
{
    // A crisp key click: a noise tick, a bright ping and a small body thump.
    Buffer out = makeBuffer(0.08);
    Noise noise(0xC11C4u);
    Biquad bright;
    bright.setHighPass(2500.0, 0.7);
    Oscillator ping;
    Oscillator body;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const float tick = bright.process(noise.white()) * envAttackDecay(t, 0.0005, 0.0025);
        const float tone = 0.5f * ping.sine(2000.0) * envAttackDecay(t, 0.001, 0.010);
        const float thump = 0.6f * body.sine(expGlide(260.0, 140.0, t / 0.03)) *
                            envAttackDecay(t, 0.001, 0.014);
        out[i] = tick + tone + thump;
    }
    return out;
}

Buffer soundDialogPopup()
{
    // Two glassy chime notes a fifth apart.
    Buffer out = makeBuffer(1.0);
    const double notes[] = {1046.5, 1568.0};
    const double starts[] = {0.0, 0.085};
    for (int n = 0; n < 2; ++n) {
        const double f = notes[n];
        addStrike(out, starts[n], {{f, 0.6, 0.22}, {f * 2.0, 0.18, 0.12}, {f * 3.0, 0.08, 0.06},
                                   {f * 4.2, 0.05, 0.03}},
                  0.004);
    }
    return out;
}

Buffer soundTradeItemOver()
{
    // A dry tick, lighter than the button blip.
    Buffer out = makeBuffer(0.05);
    Oscillator osc;
    Noise noise(0x7A0Eu);
    Biquad band;
    band.setBandPass(4000.0, 2.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = envAttackDecay(t, 0.001, 0.007) * (osc.sine(2350.0) + 0.5f * band.process(noise.white()));
    }
    return out;
}

Buffer soundTradeBuySell()
{
    // Coins on a counter: two bright metal pings and a short rattle.
    Buffer out = makeBuffer(0.7);
    addStrike(out, 0.0, {{2093.0, 0.5, 0.06}, {2093.0 * 2.41, 0.2, 0.03}, {2093.0 * 3.88, 0.1, 0.02}});
    addStrike(out, 0.065, {{2637.0, 0.55, 0.16}, {2637.0 * 2.41, 0.18, 0.06}, {2637.0 * 1.5, 0.08, 0.1}});
    Noise noise(0xC014u);
    Biquad band;
    band.setBandPass(6500.0, 3.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const float grain = noise.uniform() < 0.02 ? noise.white() * 4.0f : 0.0f;
        out[i] += 0.25f * band.process(grain) * envAttackDecay(t - 0.02, 0.01, 0.06);
    }
    return out;
}

Buffer soundSystemOver()
{
    // A soft sonar ping with one faint echo.
    Buffer dry = makeBuffer(0.16);
    Oscillator osc;
    for (std::size_t i = 0; i < dry.size(); ++i) {
        const double t = timeOf(i);
        dry[i] = envAttackDecay(t, 0.006, 0.04) * osc.sine(expGlide(1500.0, 1150.0, t / 0.12));
    }
    Buffer out = makeBuffer(0.24);
    mixInto(out, dry, 0.0, 1.0f);
    mixInto(out, dry, 0.07, 0.3f);
    return out;
}

Buffer soundRepair()
{
    // A servo winding up under ratchet clicks, then a pneumatic clunk and hiss.
    Buffer out = makeBuffer(1.3);
    Oscillator motor;
    Oscillator motor2(0.3);
    Biquad motorTone;
    Noise noise(0x4E9A14u);
    Biquad clickBand;
    clickBand.setBandPass(3200.0, 4.0);
    Biquad hissBand;
    hissBand.setBandPass(5000.0, 0.8);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double x = t / 0.85;
        const double hz = expGlide(150.0, 330.0, x);
        motorTone.setLowPass(hz * 6.0, 1.5);
        const float whine = motorTone.process(motor.saw(hz) + 0.5f * motor2.saw(hz * 1.503));
        const float motorEnv = smoothStep(t / 0.08) * (1.0f - smoothStep((t - 0.8) / 0.08));
        const double clickPhase = std::fmod(t, 0.07);
        const float click = t < 0.85 ? clickBand.process(noise.white()) * envAttackDecay(clickPhase, 0.0005, 0.004)
                                     : clickBand.process(0.0f);
        const float hiss = hissBand.process(noise.white()) * envAttackDecay(t - 0.9, 0.01, 0.12);
        out[i] = 0.35f * whine * motorEnv + 1.6f * click + 0.5f * hiss;
    }
    addStrike(out, 0.88, {{95.0, 0.9, 0.07}, {240.0, 0.4, 0.05}, {611.0, 0.2, 0.03}});
    return out;
}

Buffer soundDock()
{
    // Air rushing down as the ship slides in, then the docking clamps close.
    Buffer out = makeBuffer(1.9);
    Noise noise(0xD0C4u);
    Biquad rush;
    Biquad rush2;
    Oscillator hum;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = expGlide(2600.0, 260.0, t / 1.0);
        rush.setBandPass(hz, 1.2);
        rush2.setBandPass(hz * 1.6, 2.0);
        const float env = smoothStep(t / 0.35) * static_cast<float>(std::exp(-std::max(0.0, t - 0.35) / 0.35));
        const float n = noise.white();
        const float air = rush.process(n) + 0.5f * rush2.process(n);
        const float drone = 0.25f * hum.sine(expGlide(120.0, 60.0, t / 1.2)) * env;
        out[i] = 0.9f * air * env + drone;
    }
    addStrike(out, 0.95, {{62.0, 1.0, 0.25}, {131.0, 0.6, 0.16}, {317.0, 0.35, 0.1},
                          {589.0, 0.2, 0.07}, {1043.0, 0.12, 0.04}});
    addStrike(out, 1.07, {{87.0, 0.5, 0.2}, {411.0, 0.25, 0.08}, {977.0, 0.1, 0.04}});
    Biquad vent;
    vent.setBandPass(3800.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += 0.25f * vent.process(noise.white()) * envAttackDecay(timeOf(i) - 1.15, 0.02, 0.18);
    return out;
}

Buffer soundLaunch()
{
    // Clamps release, then the engines light and the ship rushes out.
    Buffer out = makeBuffer(2.6);
    addStrike(out, 0.0, {{180.0, 0.5, 0.08}, {455.0, 0.3, 0.05}, {1210.0, 0.15, 0.03}});
    Noise noise(0x1A0C4u);
    Biquad rush;
    Biquad roar;
    Oscillator engine;
    Oscillator engine2(0.5);
    Biquad engineTone;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double x = (t - 0.15) / 1.4;
        rush.setBandPass(expGlide(300.0, 3200.0, x), 1.0);
        roar.setLowPass(expGlide(200.0, 900.0, x), 0.8);
        const double hz = expGlide(45.0, 95.0, x);
        engineTone.setLowPass(hz * 5.0, 1.0);
        const float env = smoothStep(x / 0.4) * static_cast<float>(std::exp(-std::max(0.0, t - 1.0) / 0.4));
        const float n = noise.white();
        const float tone = engineTone.process(engine.saw(hz) + engine2.saw(hz * 1.007));
        out[i] += env * (0.8f * rush.process(n) + 1.2f * roar.process(n) + 0.45f * tone);
    }
    return out;
}

Buffer soundHyperspace()
{
    // A chord of detuned saws surging up two octaves through an opening
    // filter, a boom as the ship jumps, and a long falling wash.
    Buffer out = makeBuffer(3.2);
    const double ratios[] = {1.0, 1.004, 1.5, 1.497, 2.0, 3.0};
    Oscillator oscs[6] = {Oscillator(0.0), Oscillator(0.17), Oscillator(0.33),
                          Oscillator(0.5), Oscillator(0.71), Oscillator(0.9)};
    Biquad tone;
    Noise noise(0x4E7E4u);
    Biquad wash;
    Oscillator boom;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double rise = t / 1.5;
        const double base = expGlide(55.0, 220.0, rise * rise);
        float chord = 0.0f;
        for (int k = 0; k < 6; ++k)
            chord += oscs[k].saw(base * ratios[k]) / static_cast<float>(k / 2 + 1);
        tone.setLowPass(expGlide(180.0, 7000.0, rise), 2.5);
        const float surgeEnv = smoothStep(t / 1.3) * static_cast<float>(std::exp(-std::max(0.0, t - 1.5) / 0.18));
        const double washX = (t - 1.5) / 1.7;
        wash.setBandPass(t < 1.5 ? expGlide(600.0, 5000.0, rise) : expGlide(5000.0, 300.0, washX), 0.9);
        const float washEnv = smoothStep((t - 0.4) / 1.1) * static_cast<float>(std::exp(-std::max(0.0, t - 1.5) / 0.6));
        const float boomEnv = envAttackDecay(t - 1.5, 0.005, 0.45);
        const float b = boom.sine(expGlide(90.0, 32.0, (t - 1.5) / 0.8));
        out[i] = 0.32f * tone.process(chord) * surgeEnv + 0.6f * wash.process(noise.white()) * washEnv +
                 1.1f * b * boomEnv;
    }
    return out;
}

Buffer soundMissileIncoming()
{
    // A two-tone alarm, short enough to repeat every 0.7 s with a gap.
    Buffer out = makeBuffer(0.36);
    const double tones[] = {880.0, 1174.7};
    for (int n = 0; n < 2; ++n) {
        const double start = n * 0.16;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i) - start;
            if (t < 0.0 || t > 0.13)
                continue;
            const float gate = smoothStep(t / 0.006) * smoothStep((0.13 - t) / 0.012);
            float s = 0.0f;
            // Odd harmonics only: a square wave's edge without its fizz.
            for (int h = 1; h <= 7; h += 2)
                s += static_cast<float>(std::sin(2.0 * kPi * tones[n] * h * t) / h);
            out[i] += gate * s;
        }
    }
    return out;
}

Buffer soundCollisionWarning()
{
    // Three quick low pulses, falling a little: unlike the missile alarm's
    // rising pair, and over well before it repeats every 0.5 s.
    Buffer out = makeBuffer(0.32);
    for (int n = 0; n < 3; ++n) {
        const double start = n * 0.1;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i) - start;
            if (t < 0.0 || t > 0.07)
                continue;
            const float gate = smoothStep(t / 0.005) * smoothStep((0.07 - t) / 0.01);
            const double pitch = 520.0 - 300.0 * t;
            float s = 0.0f;
            for (int h = 1; h <= 9; h += 2)
                s += static_cast<float>(std::sin(2.0 * kPi * pitch * h * t) / h);
            out[i] += gate * s;
        }
    }
    return out;
}

} // namespace dh::audiogen
