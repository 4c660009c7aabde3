// Sounds of the flight: weapons, impacts, engines and the station.
#include "SoundsCatalogue.h"

#include <algorithm>
#include <cmath>

namespace dh::audiogen {

Buffer soundExplosion()
{
    // A sharp crack, a burst of fire whose brightness falls away, flying
    // debris, and a deep rumble that outlasts it all.
    Buffer out = makeBuffer(3.2);
    Noise noise(0xE8B10u);
    Biquad fire;
    Biquad fire2;
    Biquad debris;
    debris.setBandPass(1800.0, 1.5);
    Biquad rumbleFilter;
    rumbleFilter.setLowPass(110.0, 0.9);
    Oscillator boom;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const float n = noise.white();
        const float crack = n * envAttackDecay(t, 0.0005, 0.012);
        const double cutoff = expGlide(4500.0, 160.0, t / 1.6);
        fire.setLowPass(cutoff, 0.8);
        fire2.setLowPass(cutoff, 0.8);
        const float body = fire2.process(fire.process(n)) * envAttackDecay(t, 0.006, 0.45);
        const float spark = noise.uniform() < 0.004 ? noise.white() * 6.0f : 0.0f;
        const float bits = debris.process(spark) * envAttackDecay(t - 0.05, 0.05, 0.35);
        const float rumble = rumbleFilter.process(noise.brown() * 6.0f) * envAttackDecay(t, 0.03, 0.9);
        const float low = boom.sine(expGlide(70.0, 32.0, t / 1.2)) * envAttackDecay(t, 0.004, 0.6);
        out[i] = 0.6f * crack + 1.3f * body + 0.5f * bits + 1.6f * rumble + 0.7f * low;
    }
    return out;
}

Buffer soundRocketFire()
{
    // An ignition pop followed by the rising hiss of the motor leaving.
    Buffer out = makeBuffer(1.2);
    Noise noise(0x50C4E7u);
    Oscillator pop;
    Biquad hiss;
    Biquad roar;
    roar.setLowPass(700.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const float n = noise.white();
        const float thump = pop.sine(expGlide(140.0, 55.0, t / 0.08)) * envAttackDecay(t, 0.002, 0.05);
        const float burst = n * envAttackDecay(t, 0.0005, 0.01);
        hiss.setBandPass(expGlide(700.0, 3000.0, t / 0.5), 1.1);
        const float motorEnv = smoothStep(t / 0.06) * static_cast<float>(std::exp(-std::max(0.0, t - 0.15) / 0.22));
        out[i] = 0.9f * thump + 0.4f * burst + motorEnv * (1.1f * hiss.process(n) + 0.9f * roar.process(n));
    }
    return out;
}

Buffer soundEmpFire()
{
    // An electric zap: a falling, buzzing sweep with sparks crackling round it.
    Buffer out = makeBuffer(0.9);
    Noise noise(0xE3Fu);
    Oscillator carrier;
    Oscillator buzz;
    Biquad crackle;
    crackle.setHighPass(3000.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = expGlide(2400.0, 90.0, t / 0.55);
        const float modulator = buzz.square(70.0, 0.5);
        const float zap = carrier.sine(hz * (1.0 + 0.35 * modulator));
        const float sparks = noise.uniform() < 0.03 ? noise.white() * 3.0f : 0.0f;
        const float crack = crackle.process(sparks + 0.3f * noise.white());
        out[i] = envAttackDecay(t, 0.003, 0.22) * (0.8f * zap + 0.6f * crack);
    }
    return out;
}

Buffer soundLaserHit()
{
    // A hot sizzle with a metallic tick; it repeats quickly while a beam holds.
    Buffer out = makeBuffer(0.26);
    Noise noise(0x417u);
    Biquad sizzle;
    sizzle.setHighPass(2800.0, 0.8);
    Biquad body;
    body.setBandPass(1400.0, 2.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const float n = noise.white();
        const float jitter = static_cast<float>(noise.uniform());
        const float hot = sizzle.process(n * jitter * jitter * 2.0f);
        out[i] = envAttackDecay(t, 0.002, 0.06) * (hot + 0.6f * body.process(n));
    }
    addStrike(out, 0.0, {{3150.0, 0.25, 0.02}, {4870.0, 0.12, 0.012}});
    return out;
}

Buffer soundStationLights()
{
    // A soft beacon blip, gentle because it repeats every 0.6 s near a station.
    Buffer out = makeBuffer(0.3);
    Oscillator osc;
    Oscillator octave;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = envAttackDecay(t, 0.006, 0.055) * (osc.sine(1318.5) + 0.3f * octave.sine(2637.0)) +
                 0.5f * envAttackDecay(t - 0.012, 0.004, 0.035) * octave.sine(1975.5);
    }
    return out;
}

Buffer soundCollision1()
{
    // A hollow hull clank: a struck panel with a dull thud under it.
    Buffer out = makeBuffer(0.75);
    addStrike(out, 0.0, {{174.0, 0.8, 0.16}, {404.0, 0.55, 0.11}, {739.0, 0.35, 0.07},
                         {1153.0, 0.25, 0.05}, {1632.0, 0.15, 0.03}, {68.0, 0.9, 0.08}});
    Noise noise(0xC01u);
    Biquad impact;
    impact.setBandPass(2200.0, 0.8);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += 0.7f * impact.process(noise.white()) * envAttackDecay(timeOf(i), 0.0005, 0.008);
    return out;
}

Buffer soundCollision2()
{
    // A heavier, lower crash of plates with a rattling bounce after it.
    Buffer out = makeBuffer(0.95);
    addStrike(out, 0.0, {{118.0, 0.9, 0.22}, {188.0, 0.6, 0.16}, {253.0, 0.45, 0.12},
                         {313.0, 0.35, 0.09}, {561.0, 0.25, 0.06}, {947.0, 0.15, 0.04}, {52.0, 1.0, 0.1}});
    addStrike(out, 0.09, {{236.0, 0.35, 0.08}, {627.0, 0.2, 0.05}, {1290.0, 0.1, 0.03}});
    addStrike(out, 0.16, {{251.0, 0.18, 0.06}, {702.0, 0.1, 0.04}});
    Noise noise(0xC02u);
    Biquad impact;
    impact.setBandPass(1500.0, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] += 0.9f * impact.process(noise.white()) *
                  (envAttackDecay(t, 0.0005, 0.012) + 0.4f * envAttackDecay(t - 0.09, 0.0005, 0.008));
    }
    return out;
}

LoopLayers loopRocketEngine(double seconds)
{
    // A fierce fluttering hiss over a thin motor whine.
    LoopLayers out{makeBuffer(seconds), makeBuffer(seconds)};
    Noise noise(0x50C4E7E6u);
    Biquad hiss;
    hiss.setBandPass(1100.0, 0.9);
    Biquad air;
    air.setLowPass(3200.0, 0.7);
    Oscillator whine;
    Oscillator whine2;
    Oscillator flutter;
    for (std::size_t i = 0; i < out.noise.size(); ++i) {
        const float n = noise.white();
        const float f = 1.0f + 0.25f * flutter.sine(26.0);
        out.noise[i] = f * (0.9f * hiss.process(n) + 0.5f * air.process(n));
        out.tones[i] = 0.05f * whine.sine(620.0) + 0.025f * whine2.sine(1240.0);
    }
    return out;
}

LoopLayers loopEmpAmbient(double seconds)
{
    // A throbbing electrical hum with a little static.
    LoopLayers out{makeBuffer(seconds), makeBuffer(seconds)};
    Oscillator hum;
    Oscillator fifth;
    Oscillator throb;
    Biquad tone;
    tone.setLowPass(900.0, 1.2);
    Noise noise(0xE3FA3u);
    Biquad staticBand;
    staticBand.setBandPass(4200.0, 1.0);
    for (std::size_t i = 0; i < out.tones.size(); ++i) {
        const float amp = 0.75f + 0.25f * throb.sine(5.0);
        out.tones[i] = amp * tone.process(hum.saw(100.0) + 0.6f * fifth.square(150.0, 0.5));
        const float grain = noise.uniform() < 0.01 ? noise.white() * 3.0f : 0.0f;
        out.noise[i] = 0.25f * amp * staticBand.process(grain + 0.2f * noise.white());
    }
    return out;
}

LoopLayers loopLaser(double seconds)
{
    // A hard, beating energy buzz with a singing overtone.
    LoopLayers out{makeBuffer(seconds), makeBuffer(seconds)};
    Oscillator pulse;
    Oscillator saw;
    Oscillator saw2(0.25);
    Oscillator sing;
    Oscillator vibrato;
    Oscillator sweep;
    Biquad resonance;
    Noise noise(0x1A5E4u);
    Biquad fizz;
    fizz.setHighPass(5000.0, 0.7);
    for (std::size_t i = 0; i < out.tones.size(); ++i) {
        resonance.setBandPass(1500.0 + 500.0 * sweep.sine(4.0), 2.5);
        const float buzz = 0.6f * pulse.square(110.0, 0.3) + saw.saw(220.0) + saw2.saw(221.0);
        // Sinusoidal vibrato: a whole number of wobbles per second keeps the
        // overtone's phase periodic too.
        const float singing = sing.sine(2640.0 + 40.0 * vibrato.sine(8.0));
        out.tones[i] = 0.5f * resonance.process(buzz) + 0.15f * buzz + 0.12f * singing;
        out.noise[i] = 0.12f * fizz.process(noise.white());
    }
    return out;
}

LoopLayers loopShipEngine(double seconds)
{
    // A low, steady drone: two slightly detuned saws beating slowly, a sub
    // tone, turbine whine and a rumble of exhaust.
    LoopLayers out{makeBuffer(seconds), makeBuffer(seconds)};
    Oscillator saw;
    Oscillator saw2(0.4);
    Oscillator sub;
    Oscillator turbine;
    Oscillator pulse;
    Biquad tone;
    tone.setLowPass(420.0, 0.9);
    Noise noise(0x5E1Fu);
    Biquad rumble;
    rumble.setLowPass(220.0, 0.7);
    Biquad hiss;
    hiss.setBandPass(1400.0, 0.8);
    for (std::size_t i = 0; i < out.tones.size(); ++i) {
        const float throb = 0.85f + 0.15f * pulse.sine(1.0);
        out.tones[i] = throb * (tone.process(saw.saw(55.0) + saw2.saw(55.5)) + 0.5f * sub.sine(55.0)) +
                       0.04f * turbine.sine(1650.0);
        out.noise[i] = throb * (1.4f * rumble.process(noise.brown() * 4.0f) + 0.12f * hiss.process(noise.white()));
    }
    return out;
}

} // namespace dh::audiogen
