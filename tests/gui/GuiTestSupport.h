#pragma once
#include <string>
#include <vector>

#include "audio/SoundEffects.h"
#include "gui/GuiWidget.h"
#include "support/ToneCounter.h"

// Helpers shared by the GUI tests: an interface-sound counter on the offline
// mixer and listeners and widgets that record what reaches them.
namespace guitest {

// Gives the hover, click and pop-up samples tones of loudness 1, 50 and 2500.
class SoundCounter {
public:
    struct Counts {
        int over = 0;
        int click = 0;
        int popup = 0;
    };

    Counts take()
    {
        const auto [over, click, popup] = tones_.take();
        return {over, click, popup};
    }

private:
    testsupport::ToneCounter tones_{
        {&dh::sample::buttonOver, &dh::sample::buttonClick, &dh::sample::dialogPopup}, 50, 2500};
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
