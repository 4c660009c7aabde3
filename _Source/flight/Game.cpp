#include "flight/Game.h"

#include "audio/Music.h"
#include "flight/AssistHud.h"
#include "flight/GameObject_SpaceStation.h"
#include "flight/PlayerAI.h"
#include "flight/PlayerHuman.h"
#include "core/Random.h"
#include "flight/Ship_ExplorerMark1.h"
#include "flight/World.h"
#include "window/GLWindow.h"
#include "window/ListenerScope.h"

#include <string_view>
#include <utility>

namespace dh {

namespace {

// Without a context there is no driver to ask; a world built then gets the full set.
std::uint32_t driverLights()
{
    return isWindowOpen() ? queryDriverLights() : LightSet::kMaxCapacity;
}

}

Game::Game(const char* commanderName, GameHooks programHooks) : shell(std::move(programHooks))
{
    hooks.playerShip = [this] { return playerShip(); };
    hooks.station = [this] { return static_cast<GameObject_SpaceStation*>(station()); };
    hooks.clearHostiles = [this] { clearHostiles(); };
    hooks.requestDock = [this] { dockRequested = true; };
    hooks.runStationScreen = [this] {
        if (shell.runStationScreen) {
            shell.runStationScreen(*this);
        }
    };
    hooks.resumeClock = [this] { resumeClock(); };
    hooks.showMessage = [this](const char* title, const char* text) { showMessage(title, text); };
    hooks.showHudMessage = [this](const Refusal& refusal) { hudMessages.post(refusal); };

    frameTimer = std::make_unique<FrameTimer>();
    g_randomSeed = frameTimer->lastClock;
    playNextTrack();

    pickStartSystem(galaxy, currentSystem);
    g_randomSeed = currentSystem.sceneSeed;
    makeWorld(currentSystem);

    auto* ship = new Ship_ExplorerMark1(0.0f, 0.0f);
    playerShipRef = std::make_unique<ObjectRef>();
    playerShipRef->object = ship;
    world->objects.addObject(ship);
    world->objects.trackRef(playerShipRef.get());

    human = std::make_unique<PlayerHuman>(commanderName, playerShipRef.get(), &hooks);
    addStation();
    placePlayerRandomly();

    aiCount = 0;
    deathCamera = std::make_unique<Camera>();
    assistHud = std::make_unique<AssistHud>();
    pauseWorldSounds();
}

Game::~Game()
{
    if (g_musicEnabled && !currentMusicFile().empty()) {
        stopMusic();
    }
}

void Game::showMessage(const char* title, const char* text)
{
    if (shell.showMessage) {
        shell.showMessage(title, text);
    }
}

GameObject_Ship* Game::playerShip() const
{
    return playerShipRef ? static_cast<GameObject_Ship*>(playerShipRef->object) : nullptr;
}

GameObject* Game::station() const
{
    return stationRef ? stationRef->object : nullptr;
}

void Game::makeWorld(const StarSystem& system)
{
    float star[3];
    float ambient[3];
    starColour(system, star);
    ambientColour(system, ambient);
    // A sky is rendered, read back and uploaded; once the window has closed
    // (during the hyperspace tunnel, say) there is no context for that, and
    // the world is built without one.
    const BackgroundBuilder noSky;
    world = std::make_unique<World>(star, ambient, planetTexture(system), driverLights(),
                                    isWindowOpen() ? shell.buildBackground : noSky);
}

void Game::addStation()
{
    auto* station = new GameObject_SpaceStation(&hooks);
    stationRef = std::make_unique<ObjectRef>();
    stationRef->object = station;
    world->objects.addObject(station);
    world->objects.trackRef(stationRef.get());
}

void Game::run()
{
    running = true;
    const ListenerScope flying(this);
    frameTimer->reset();
    human->holdOffHeldControls();
    timeStep = 0.0f;
    resumeWorldSounds();
    while (running && isWindowOpen()) {
        invalidateWindow();
        pumpMessages();
    }
}

void Game::onClose()
{
    destroyWindow();
}

void Game::pauseWorldSounds()
{
    pauseSounds(world->sounds);
}

void Game::resumeWorldSounds()
{
    resumeSounds(world->sounds);
}

void Game::resumeClock()
{
    frameTimer->reset();
    timeStep = 0.0f;
    timeAccum = 0.0f;
    frameCount = 0;
    resumeWorldSounds();
    human->holdOffHeldControls();
}

void Game::replacePlayerShip(GameObject_Ship* ship)
{
    if (ship == nullptr) {
        return;
    }
    // A reference whose ship is already gone is still registered and must
    // leave the list before it is deleted.
    GameObject_Ship* old = playerShip();
    world->objects.untrackRef(playerShipRef.get());
    if (old != nullptr) {
        world->objects.deleteObject(old);
    }
    playerShipRef = std::make_unique<ObjectRef>();
    playerShipRef->object = ship;
    human->shipRef = playerShipRef.get();
    // The computer pilots chase the player through this reference too.
    for (std::uint32_t i = 0; i < aiCount; ++i) {
        aiPilots[i]->targetRef = playerShipRef.get();
    }
    world->objects.addObject(ship);
    world->objects.trackRef(playerShipRef.get());
}

void Game::clearHostiles()
{
    if (human) {
        human->target = nullptr;
    }
    for (std::uint32_t i = 0; i < aiCount; ++i) {
        if (GameObject* ship = aiShipRefs[i]->object) {
            world->objects.deleteObject(ship);
        }
    }
    while (GameObject* missile = world->objects.findFirstMissile()) {
        world->objects.deleteObject(missile);
    }
}

void Game::runPendingDock()
{
    if (!dockRequested) {
        return;
    }
    dockRequested = false;
    GameObject_SpaceStation::dockPlayer(hooks);
}

}
