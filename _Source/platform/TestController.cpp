#include "platform/TestController.h"

#ifdef DH_TEST_HOOKS

#include "platform/Controllers.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

namespace dh {

namespace {

// SDL takes virtual button changes from any thread, so the FIFO is read on a
// thread of its own and the game's loops stay as they are.
class Channel {
public:
    explicit Channel(const char* path)
        : fd_(open(path, O_RDWR | O_NONBLOCK)), reader_([this] { readLines(); })
    {
        if (fd_ < 0)
            std::cerr << "Drift Hauler: the test controller's channel " << path << " cannot be opened\n";
    }
    ~Channel()
    {
        stop_ = true;
        reader_.join();
        if (fd_ >= 0)
            close(fd_);
    }
    Channel(const Channel&) = delete;
    Channel& operator=(const Channel&) = delete;

private:
    void readLines()
    {
        std::string pending;
        pollfd watched{fd_, POLLIN, 0};
        while (!stop_ && fd_ >= 0) {
            char buffer[256];
            if (poll(&watched, 1, 50) <= 0)
                continue;
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got > 0)
                pending.append(buffer, static_cast<std::size_t>(got));
            for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
                apply(pending.substr(0, end));
                pending.erase(0, end + 1);
            }
        }
    }

    void apply(const std::string& line)
    {
        std::istringstream words(line);
        std::string name;
        int held = 0;
        if (!(words >> name >> held))
            return;
        const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(name.c_str());
        if (button != SDL_CONTROLLER_BUTTON_INVALID)
            pad_.setButton(VK_PAD_A + static_cast<unsigned>(button), held != 0);
    }

    VirtualController pad_{true};
    int fd_;
    std::atomic<bool> stop_{false};
    std::thread reader_;
};

std::unique_ptr<Channel> s_channel;

}

void attachTestController()
{
    if (const char* path = std::getenv("DH_TEST_CONTROLLER"); path && !s_channel)
        s_channel = std::make_unique<Channel>(path);
}

void detachTestController()
{
    s_channel.reset();
}

}

#else

namespace dh {

void attachTestController() {}
void detachTestController() {}

}

#endif
