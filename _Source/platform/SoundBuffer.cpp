#include "platform/SoundBuffer.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace dh {

namespace {

std::shared_ptr<SoundPcm> decodePcm(const SoundFormat& format, const void* data, std::size_t bytes)
{
    const std::size_t frameBytes = std::size_t{format.channels} * format.bitsPerSample / 8;
    auto pcm = std::make_shared<SoundPcm>();
    pcm->channels = format.channels;
    pcm->sampleRate = format.sampleRate;
    pcm->frames = static_cast<std::uint32_t>(std::min<std::size_t>(bytes / frameBytes, UINT32_MAX));
    pcm->samples.resize(std::size_t{pcm->frames} * format.channels);
    const auto* in = static_cast<const std::uint8_t*>(data);
    for (std::int16_t& sample : pcm->samples) {
        if (format.bitsPerSample == 8) {
            sample = static_cast<std::int16_t>((in[0] - 128) * 256);
            in += 1;
        } else {
            sample = static_cast<std::int16_t>(in[0] | (in[1] << 8));
            in += 2;
        }
    }
    return pcm;
}

float decibelGain(std::int32_t hundredths)
{
    return std::pow(10.0f, static_cast<float>(hundredths) / 2000.0f);
}

}

std::unique_ptr<SoundBuffer> SoundBuffer::create(const std::shared_ptr<SoundMixer>& mixer,
                                                 const SoundFormat& format, const void* data,
                                                 std::size_t bytes)
{
    const bool supported = (format.channels == 1 || format.channels == 2)
        && (format.bitsPerSample == 8 || format.bitsPerSample == 16)
        && format.sampleRate >= SoundMixer::kMinFrequency
        && format.sampleRate <= SoundMixer::kMaxFrequency;
    if (!mixer || !supported || bytes < std::size_t{format.channels} * format.bitsPerSample / 8) {
        return nullptr;
    }
    std::shared_ptr<const SoundPcm> pcm = decodePcm(format, data, bytes);
    const int voice = mixer->acquireVoice(pcm.get());
    if (voice < 0) {
        return nullptr;
    }
    return std::unique_ptr<SoundBuffer>(new SoundBuffer(mixer, std::move(pcm), voice));
}

SoundBuffer::SoundBuffer(std::shared_ptr<SoundMixer> mixer, std::shared_ptr<const SoundPcm> pcm, int voice)
    : mixer_(std::move(mixer)), pcm_(std::move(pcm)), voice_(voice), frequency_(pcm_->sampleRate)
{
    setFrequency(frequency_);
}

SoundBuffer::~SoundBuffer()
{
    releaseVoice();
}

SoundBuffer::SoundBuffer(SoundBuffer&& other) noexcept
    : mixer_(std::move(other.mixer_)),
      pcm_(std::move(other.pcm_)),
      voice_(std::exchange(other.voice_, kNoVoice)),
      volume_(other.volume_),
      pan_(other.pan_),
      frequency_(other.frequency_)
{
}

SoundBuffer& SoundBuffer::operator=(SoundBuffer&& other) noexcept
{
    if (this != &other) {
        releaseVoice();
        mixer_ = std::move(other.mixer_);
        pcm_ = std::move(other.pcm_);
        voice_ = std::exchange(other.voice_, kNoVoice);
        volume_ = other.volume_;
        pan_ = other.pan_;
        frequency_ = other.frequency_;
    }
    return *this;
}

void SoundBuffer::releaseVoice()
{
    if (voice_ == kNoVoice) {
        return;
    }
    std::lock_guard lock(mixer_->mutex_);
    mixer_->voices_[voice_] = SoundMixer::Voice{};
    voice_ = kNoVoice;
}

std::optional<SoundBuffer> SoundBuffer::duplicate() const
{
    const int voice = mixer_->acquireVoice(pcm_.get());
    if (voice < 0) {
        return std::nullopt;
    }
    std::optional<SoundBuffer> copy(SoundBuffer(mixer_, pcm_, voice));
    copy->setVolume(volume_);
    copy->setPan(pan_);
    copy->setFrequency(frequency_);
    return copy;
}

void SoundBuffer::play(bool looping)
{
    std::lock_guard lock(mixer_->mutex_);
    SoundMixer::Voice& voice = mixer_->voices_[voice_];
    voice.looping = looping;
    voice.playing = true;
}

void SoundBuffer::stop()
{
    std::lock_guard lock(mixer_->mutex_);
    mixer_->voices_[voice_].playing = false;
}

bool SoundBuffer::isPlaying() const
{
    std::lock_guard lock(mixer_->mutex_);
    return mixer_->voices_[voice_].playing;
}

void SoundBuffer::setVolume(std::int32_t volume)
{
    volume_ = std::clamp(volume, kVolumeMin, 0);
    applyGains();
}

void SoundBuffer::setPan(std::int32_t pan)
{
    pan_ = std::clamp(pan, kPanLeft, kPanRight);
    applyGains();
}

void SoundBuffer::setFrequency(std::uint32_t frequency)
{
    frequency_ = frequency == 0
        ? pcm_->sampleRate
        : std::clamp(frequency, SoundMixer::kMinFrequency, SoundMixer::kMaxFrequency);
    const std::uint64_t step = (std::uint64_t{frequency_} << 32) / mixer_->outputRate();
    std::lock_guard lock(mixer_->mutex_);
    mixer_->voices_[voice_].step = step;
}

void SoundBuffer::applyGains()
{
    const float gain = decibelGain(volume_);
    const float left = gain * decibelGain(std::min(0, -pan_));
    const float right = gain * decibelGain(std::min(0, pan_));
    std::lock_guard lock(mixer_->mutex_);
    mixer_->voices_[voice_].gainLeft = left;
    mixer_->voices_[voice_].gainRight = right;
}

}
