#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "audio/SoundEffects.h"
#include "gui/GuiWidget.h"

// Helpers shared by the GUI tests: an interface-sound counter on the offline
// mixer and listeners and widgets that record what reaches them.
namespace guitest {

// Gives the hover, click and pop-up samples short constant tones of different
// loudness at the mixer's own rate; the first frame of the next mix then tells
// how many of each started since the last look.
class SoundCounter {
public:
    struct Counts {
        int over = 0;
        int click = 0;
        int popup = 0;
    };

    SoundCounter()
    {
        dh::initOfflineSoundDevice(kRate);
        dh::g_soundEnabled = true;
        over_ = tone(kOver);
        click_ = tone(kClick);
        popup_ = tone(kPopup);
        dh::sample::buttonOver = over_.get();
        dh::sample::buttonClick = click_.get();
        dh::sample::dialogPopup = popup_.get();
    }
    ~SoundCounter()
    {
        dh::sample::buttonOver = nullptr;
        dh::sample::buttonClick = nullptr;
        dh::sample::dialogPopup = nullptr;
        over_.reset();
        click_.reset();
        popup_.reset();
        dh::shutdownSoundDevice();
    }
    SoundCounter(const SoundCounter&) = delete;
    SoundCounter& operator=(const SoundCounter&) = delete;

    Counts take()
    {
        std::vector<std::int16_t> out(2 * 2 * kFrames);
        dh::g_soundDevice->render(out.data(), 2 * kFrames);
        const int mix = out[0];
        return {mix % kClick, (mix % kPopup) / kClick, mix / kPopup};
    }

private:
    static constexpr std::uint32_t kRate = 22050;
    static constexpr std::size_t kFrames = 4;
    static constexpr int kOver = 1;
    static constexpr int kClick = 50;
    static constexpr int kPopup = 2500;

    static std::unique_ptr<dh::SoundSample> tone(int amplitude)
    {
        auto sample = std::make_unique<dh::SoundSample>();
        const std::vector<std::int16_t> pcm(kFrames, static_cast<std::int16_t>(amplitude));
        sample->buffer = dh::SoundBuffer::create(dh::g_soundDevice, {1, kRate, 16}, pcm.data(),
                                                 pcm.size() * sizeof(std::int16_t));
        return sample;
    }

    std::unique_ptr<dh::SoundSample> over_;
    std::unique_ptr<dh::SoundSample> click_;
    std::unique_ptr<dh::SoundSample> popup_;
};

// Writes every call it gets as a line of text.
struct CallLog : dh::GLWindowEventListener {
    std::vector<std::string> calls;
    void onMouseMove(int x, int y) override { add("move", x, y); }
    void onMouseDown(int x, int y, int button) override { add("down", x, y, button); }
    void onMouseUp(int x, int y, int button) override { add("up", x, y, button); }

    void add(const char* what, int x, int y, int button = -1)
    {
        std::string line = std::string(what) + " " + std::to_string(x) + " " + std::to_string(y);
        if (button >= 0)
            line += " " + std::to_string(button);
        calls.push_back(line);
    }
};

// A widget that logs its events into a shared log under its name and counts
// its destruction.
struct LoggingWidget : dh::GuiWidget {
    LoggingWidget(std::vector<std::string>& log, std::string name, int* destroyed = nullptr)
        : log(log), name(std::move(name)), destroyed(destroyed)
    {
    }
    ~LoggingWidget() override
    {
        if (destroyed)
            ++*destroyed;
    }
    void onMouseMove(int x, int y) override { put("move", x, y); }
    void onMouseDown(int x, int y, int button) override { put("down", x, y, button); }
    void onMouseUp(int x, int y, int button) override { put("up", x, y, button); }
    void onMouseEnter(int x, int y) override { put("enter", x, y); }
    void onMouseLeave() override { log.push_back(name + " leave"); }

    void put(const char* what, int x, int y, int button = -1)
    {
        std::string line = name + " " + what + " " + std::to_string(x) + " " + std::to_string(y);
        if (button >= 0)
            line += " " + std::to_string(button);
        log.push_back(line);
    }

    std::vector<std::string>& log;
    std::string name;
    int* destroyed;
};

}
