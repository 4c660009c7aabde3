#pragma once
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "audio/SoundEffects.h"
#include "flight/Game.h"
#include "flight/GameObject_Ship.h"
#include "flight/PlayerHuman.h"
#include "flight/World.h"

// A docked game for the dock tests, with its saves kept out of the user's
// folder, and a counter of the trade, row and repair sounds.
namespace docktest {

// Set once for the whole program and removed when it ends; the commander's own
// folder is never touched.
inline void privateSaveFolder()
{
    static std::string folder;
    if (!folder.empty())
        return;
    folder = (std::filesystem::temp_directory_path() / "dh-dock-test-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        throw std::runtime_error("no temporary folder");
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
}

struct DockedGame {
    DockedGame() : game((privateSaveFolder(), "Tester")) {}

    dh::GameObject_Ship& ship() { return *game.playerShip(); }
    double& credits() { return game.human->credits; }
    dh::GoodsCounts& stock() { return game.currentSystem.stock; }

    dh::Game game;
};

// Each counted sample is a short constant tone of its own loudness, so the
// first frame of the next mix tells how many of each started since the last look.
class SoundCounter {
public:
    struct Counts {
        int row = 0;
        int trade = 0;
        int repair = 0;
    };

    SoundCounter()
    {
        dh::initOfflineSoundDevice(kRate);
        dh::g_soundEnabled = true;
        row_ = tone(kRow);
        trade_ = tone(kTrade);
        repair_ = tone(kRepair);
        dh::sample::tradeItemOver = row_.get();
        dh::sample::tradeBuySell = trade_.get();
        dh::sample::repair = repair_.get();
    }
    ~SoundCounter()
    {
        dh::sample::tradeItemOver = nullptr;
        dh::sample::tradeBuySell = nullptr;
        dh::sample::repair = nullptr;
        row_.reset();
        trade_.reset();
        repair_.reset();
        dh::shutdownSoundDevice();
    }
    SoundCounter(const SoundCounter&) = delete;
    SoundCounter& operator=(const SoundCounter&) = delete;

    Counts take()
    {
        std::vector<std::int16_t> out(2 * 2 * kFrames);
        dh::g_soundDevice->render(out.data(), 2 * kFrames);
        const int mix = out[0];
        return {mix % kTrade, (mix % kRepair) / kTrade, mix / kRepair};
    }

private:
    static constexpr std::uint32_t kRate = 22050;
    static constexpr std::size_t kFrames = 4;
    static constexpr int kRow = 1;
    static constexpr int kTrade = 40;
    static constexpr int kRepair = 1600;

    static std::unique_ptr<dh::SoundSample> tone(int amplitude)
    {
        auto sample = std::make_unique<dh::SoundSample>();
        const std::vector<std::int16_t> pcm(kFrames, static_cast<std::int16_t>(amplitude));
        sample->buffer = dh::SoundBuffer::create(dh::g_soundDevice, {1, kRate, 16}, pcm.data(),
                                                 pcm.size() * sizeof(std::int16_t));
        return sample;
    }

    std::unique_ptr<dh::SoundSample> row_;
    std::unique_ptr<dh::SoundSample> trade_;
    std::unique_ptr<dh::SoundSample> repair_;
};

}
