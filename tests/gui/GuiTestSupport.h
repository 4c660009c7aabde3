#pragma once
#include <string>
#include <vector>

#include "audio/SoundEffects.h"
#include "gui/GuiWidget.h"
#include "support/ToneCounter.h"

// An interface-sound counter on the offline mixer, and widgets that write
// every call they get into a log.
namespace guitest {

// The hover, click and pop-up samples as tones of loudness 1, 50 and 2500.
struct SoundCounter : testsupport::ToneCounter {
    struct Counts {
        int over, click, popup;
    };
    SoundCounter()
        : ToneCounter({&dh::sample::buttonOver, &dh::sample::buttonClick, &dh::sample::dialogPopup}, 50, 2500)
    {
    }
    Counts take()
    {
        const auto [over, click, popup] = ToneCounter::take();
        return {over, click, popup};
    }
};

inline std::string line(const std::string& what, int x, int y, int button = -1)
{
    return what + " " + std::to_string(x) + " " + std::to_string(y) + (button >= 0 ? " " + std::to_string(button) : "");
}

// Logs under its name into a shared log and counts its destruction.
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
    void onMouseMove(int x, int y) override { log.push_back(line(name + " move", x, y)); }
    void onMouseDown(int x, int y, int button) override { log.push_back(line(name + " down", x, y, button)); }
    void onMouseUp(int x, int y, int button) override { log.push_back(line(name + " up", x, y, button)); }
    void onMouseEnter(int x, int y) override { log.push_back(line(name + " enter", x, y)); }
    void onMouseLeave() override { log.push_back(name + " leave"); }

    std::vector<std::string>& log;
    std::string name;
    int* destroyed;
};

}
