#pragma once

#include "core/Camera.h"
#include "flight/CollisionWarning.h"
#include "flight/FlightHooks.h"
#include "flight/GameHooks.h"
#include "flight/Hud.h"
#include "flight/HudMessages.h"
#include "core/FrameTimer.h"
#include "flight/ObjectRef.h"
#include "flight/Refusal.h"
#include "core/Vector3.h"
#include "galaxy/Galaxy.h"
#include "galaxy/StarSystem.h"
#include "window/GLWindowEventListener.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace dh {

class AssistHud;
class GameObject_Ship;
class PlayerAI;
class PlayerHuman;
class World;

// The flight of one commander, from a new or loaded game until death or the
// return to the main menu. It is the window's listener while the player flies;
// every other screen runs modally on top of it.
class Game : public GLWindowEventListener {
public:
    static constexpr std::uint32_t kMaxComputerShips = 16;
    static constexpr std::uint32_t kFrameSeed = 643463;
    static constexpr float kMaxWorldStep = 0.06666666f;

    explicit Game(const char* commanderName, GameHooks programHooks = {});
    ~Game() override;
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    void run();

    void onMouseDown(int x, int y, int button) override;
    void onKeyDown(unsigned virtualKey) override;
    void onClose() override;
    void onPaint() override;

    // The window-free part of a frame: time, the world's motion, the removal of
    // lost computer ships and the pilots. Returns the camera the frame is seen from.
    const Camera& simulateFrame();
    // The docking the station asked for during the frame, run once the frame is over.
    void runPendingDock();
    // The console's state before the HUD draws it: the buttons' hover flags
    // and sounds, then the incoming-missile beep.
    void updateConsole();
    // The flight assists' share of a frame while the ship exists, before the
    // HUD draws it; nothing while they are off.
    void updateAssists();

    void enterSystem(const StarSystem& system, bool spawnShips, bool randomPlacement);
    void hyperspaceJump(std::uint32_t x, std::uint32_t y);
    void replacePlayerShip(GameObject_Ship* ship);
    void clearHostiles();
    void resumeClock();

    void placePlayerRandomly();
    void placePlayerAtStation();
    void spawnComputerShips();

    // Null once the ship is destroyed.
    GameObject_Ship* playerShip() const;
    GameObject* station() const;

    bool running = false;
    Galaxy galaxy;
    StarSystem currentSystem;
    std::unique_ptr<FrameTimer> frameTimer;
    float timeStep = 0.0f;
    float timeAccum = 0.0f;
    std::uint32_t frameCount = 0;
    std::unique_ptr<Camera> deathCamera;
    float deathCameraAngle = 0.0f;
    std::unique_ptr<ObjectRef> stationRef;
    std::unique_ptr<ObjectRef> playerShipRef;
    std::unique_ptr<PlayerHuman> human;
    float deathTimer = 0.0f;
    Vector3 lastPlayerPosition;
    bool menuHover = false;
    bool missileHover = false;
    bool empHover = false;
    std::array<std::unique_ptr<PlayerAI>, kMaxComputerShips> aiPilots;
    std::array<std::unique_ptr<ObjectRef>, kMaxComputerShips> aiShipRefs;
    std::uint32_t aiCount = 0;
    float warningBeepTimer = 0.0f;

    // What this game asks of the program around it.
    GameHooks shell;
    // What the flight objects ask of this game.
    FlightHooks hooks;
    bool dockRequested = false;
    // The flight assists' part of the HUD.
    std::unique_ptr<AssistHud> assistHud;
    CollisionWarning collisionWarning;
    HudMessages hudMessages;
    // Declared last so that it is destroyed first: its objects untrack the
    // references above as they are deleted.
    std::unique_ptr<World> world;

private:
    void tickTime();
    const Camera& chooseCamera();
    void removeLostComputerShips();
    void drawFrame(const Camera& camera);
    void drawDeathFade();
    void showDeathMessage();
    void updateButtonHover(HudButton button, bool& hover, float x, float y);
    void updateMissileWarning();
    void openInGameMenu();
    void refuse(const Refusal& refusal);
    void showMessage(const char* title, const char* text);
    void pauseWorldSounds();
    void resumeWorldSounds();
    void makeWorld(const StarSystem& system);
    void addStation();
};

// The 1.5-second hyperspace tunnel, input swallowed while it plays.
void playHyperspaceTunnel();
// One frame of it with `remaining` seconds left, smeared over the frames
// before it; the first frame (1.5 s left) starts the smear.
void drawHyperspaceTunnelFrame(float remaining);
// A black frame with "Loading.." in the middle, shown while a world is built.
void showLoadingFrame();

}
