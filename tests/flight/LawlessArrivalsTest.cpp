// How pilots die on arriving in a lawless system. The real game runs on a clock
// of the test's own with the real models' geometry; a fixed simple pilot holds
// the keys a player would (Enter up to half throttle, Space while a computer
// ship is the target and within about 18 degrees of the nose, no steering);
// the causes and times of death are read back from the combat log.
//
// The measurement of twenty arrivals is disabled by default; from the build
// folder run
//   ./test_flight --gtest_also_run_disabled_tests --gtest_filter='LawlessArrivals.DISABLED_*'
#include "flight/CombatLog.h"
#include "flight/FlightModels.h"
#include "flight/Game.h"
#include "flight/GameObject_Missile.h"
#include "flight/GameObject_Ship.h"
#include "flight/Hud.h"
#include "flight/Orientation.h"
#include "flight/PlayerHuman.h"
#include "flight/RealModels.h"
#include "flight/World.h"
#include "galaxy/Galaxy.h"
#include "platform/KeyState.h"
#include "platform/PlatformEvents.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

using namespace dh;

namespace {

constexpr std::uint32_t kFrameMilliseconds = 16;
constexpr float kSecondsPerArrival = 90.0f;

using test::RealModels;

// One line of the combat log.
struct LogLine {
    double t = 0.0;
    std::string victim, cause, with, attacker;
    float amount = 0.0f, shield = 0.0f, closing = 0.0f;
};

// A value after "key=": a quoted name with its address, or a plain word.
std::string field(const std::string& line, const std::string& key)
{
    std::size_t at = line.find(" " + key + "=");
    if (at == std::string::npos)
        return {};
    at += key.size() + 2;
    std::size_t end = at;
    if (line[at] == '"')
        end = line.find('"', at + 1);
    end = line.find_first_of(" \n", end);
    return line.substr(at, end - at);
}

LogLine parse(const std::string& text)
{
    LogLine line;
    line.t = std::stod(field(text, "t"));
    line.victim = field(text, "victim");
    line.cause = field(text, "cause");
    line.with = field(text, "with");
    line.attacker = field(text, "attacker");
    line.amount = std::stof(field(text, "amount"));
    line.shield = std::stof(field(text, "shield"));
    line.closing = std::stof(field(text, "closing"));
    return line;
}

std::string label(const GameObject& obj)
{
    char text[128];
    std::snprintf(text, sizeof text, "\"%s\"@%p", obj.name, static_cast<const void*>(&obj));
    return text;
}

// "\"Fighter Mark II\"@0x..." -> "Fighter Mark II"; "gone@0x..." -> "gone".
std::string kind(const std::string& who)
{
    if (who.empty() || who[0] != '"')
        return who.substr(0, who.find('@'));
    return who.substr(1, who.find('"', 1) - 1);
}

std::string describeBlow(const LogLine& line)
{
    return line.cause == "collision" ? "collision with " + kind(line.with) : line.cause + " from " + kind(line.attacker);
}

struct Arrival {
    std::uint32_t clock = 0;
    std::uint32_t ships = 0;
    std::string fate = "alive when the time ran out";
    float secondsToDeath = -1.0f;
    // From the killer's first blow on the player to the one that emptied the shield.
    float secondsUnderFire = -1.0f;
    // Where the ship that dealt that blow was, seen from the player's cockpit.
    float attackerRange = -1.0f;
    bool attackerAhead = false;
    // Damage the player took, by cause and kind of attacker.
    std::map<std::string, float> damageTaken;
    std::uint32_t missilesAtPlayer = 0;
    std::vector<std::string> defects;
};

// Flies arrivals and reads the combat log back frame by frame.
class ArrivalDriver {
public:
    ArrivalDriver() : log(std::tmpfile()) { CombatLog::setOutput(log); }
    ~ArrivalDriver()
    {
        CombatLog::setOutput(nullptr);
        std::fclose(log);
        clearInjectedKeys();
        platformOverrideClock(nullptr);
    }
    ArrivalDriver(const ArrivalDriver&) = delete;
    ArrivalDriver& operator=(const ArrivalDriver&) = delete;

    // A new game, one jump to Elmin with the clock at `clock`, then flight
    // until death, docking or the time runs out.
    Arrival fly(std::uint32_t clock)
    {
        Arrival arrival;
        arrival.clock = clock;
        now = clock;
        platformOverrideClock(&now);
        clearInjectedKeys();
        bool docked = false;
        GameHooks hooks;
        hooks.runStationScreen = [&docked](Game&) { docked = true; };
        Game game("Pilot", hooks);
        const StarSystem destination = elmin(game.galaxy, game.currentSystem);
        game.hyperspaceJump(destination.x, destination.y);
        EXPECT_EQ(game.currentSystem.name, "Elmin");
        EXPECT_EQ(game.currentSystem.danger, 5u) << "Lawless";
        skipLog();

        const std::uint32_t arrived = now;
        arrival.ships = game.aiCount;
        checkSpawnedApart(game, arrival);
        const std::string player = label(*game.playerShip());
        float warnedSince = -1.0f;
        std::map<std::string, double> firstBlows;
        std::optional<LogLine> killingBlow;
        while (now - arrived < static_cast<std::uint32_t>(kSecondsPerArrival * 1000.0f)) {
            pilot(game);
            now += kFrameMilliseconds;
            game.simulateFrame();
            game.runPendingDock();
            const float world = std::min(game.timeStep, Game::kMaxWorldStep);
            const std::vector<LogLine> lines = readLog();
            checkFrame(game, lines, world, player, warnedSince, arrival);
            noteBlows(game, lines, player, firstBlows, killingBlow, arrival);
            const float seconds = static_cast<float>(now - arrived) * 0.001f;
            countMissiles(game, arrival);
            warnedSince = findIncomingMissile(game) == nullptr ? -1.0f : warnedSince < 0.0f ? seconds : warnedSince;
            if (game.playerShip() == nullptr) {
                recordDeath(killingBlow, static_cast<double>(arrived) * 0.001, arrival);
                break;
            }
            if (docked) {
                arrival.fate = "docked";
                break;
            }
        }
        clearInjectedKeys();
        return arrival;
    }

private:
    // Elmin, a neighbour of the start.
    static StarSystem elmin(const Galaxy& galaxy, const StarSystem& start)
    {
        StarSystem system;
        for (std::uint32_t y = start.y - 3; y <= start.y + 3; ++y)
            for (std::uint32_t x = start.x - 3; x <= start.x + 3; ++x) {
                getSystem(galaxy, x, y, system);
                if (system.name == "Elmin")
                    return system;
            }
        ADD_FAILURE() << "no Elmin near the start";
        return system;
    }

    // Throttle to half, fire while a computer ship is the target and ahead.
    static void pilot(Game& game)
    {
        const GameObject_Ship* ship = game.playerShip();
        injectKeyState(VK_RETURN, ship->targetSpeed < ship->topSpeed * 0.5f);
        bool ahead = false;
        for (std::uint32_t i = 0; i < game.aiCount; ++i) {
            const GameObject* hostile = game.aiShipRefs[i]->object;
            if (hostile != nullptr && hostile == game.human->target) {
                Vector3 direction = hostile->position;
                worldToLocal(*ship, direction);
                ahead = normalized(direction).z > 0.95f;
            }
        }
        injectKeyState(VK_SPACE, ahead);
    }

    static void checkSpawnedApart(const Game& game, Arrival& arrival)
    {
        const GameObject_Ship& ship = *game.playerShip();
        for (std::uint32_t i = 0; i < game.aiCount; ++i) {
            const GameObject& hostile = *game.aiShipRefs[i]->object;
            const float reach = ship.mesh->boundRadius + hostile.mesh->boundRadius;
            if (length(hostile.position - ship.position) <= reach)
                arrival.defects.push_back("a computer ship spawned overlapping the player");
        }
    }

    static void checkFrame(const Game& game, const std::vector<LogLine>& lines, float worldStep,
                           const std::string& player, float warnedSince, Arrival& arrival)
    {
        std::map<std::string, int> blowsFrom;
        for (const LogLine& line : lines) {
            if (worldStep == 0.0f)
                arrival.defects.push_back("damage by " + line.cause + " in a frame that did not move");
            if (line.victim != player)
                continue;
            if (line.cause == "collision" && ++blowsFrom[line.with] > 1)
                arrival.defects.push_back("the player hit twice in one frame by " + kind(line.with));
            if (line.cause == "missile" && warnedSince < 0.0f)
                arrival.defects.push_back("a missile hit the player without a warning");
        }
        for (std::uint32_t i = 0; i < game.aiCount; ++i) {
            const GameObject* hostile = game.aiShipRefs[i]->object;
            if (hostile != nullptr && (!hostile->visible || hostile->mesh == nullptr))
                arrival.defects.push_back("a computer ship that is not drawn");
        }
    }

    // Missiles launched at the player this frame: they have not flown yet.
    static void countMissiles(const Game& game, Arrival& arrival)
    {
        const ObjectList& objects = game.world->objects;
        for (GameObject* obj = objects.findFirstMissile(); obj != nullptr; obj = objects.findNextOfSameKind(obj)) {
            const auto* missile = static_cast<const GameObject_Missile*>(obj);
            arrival.missilesAtPlayer += missile->target == game.playerShip() && missile->lifetime == 8.0f ? 1u : 0u;
        }
    }

    // Each attacker's first blow, and the blow that empties the shield with where its attacker was.
    static void noteBlows(const Game& game, const std::vector<LogLine>& lines, const std::string& player,
                          std::map<std::string, double>& first, std::optional<LogLine>& killing, Arrival& arrival)
    {
        for (const LogLine& line : lines) {
            if (line.victim != player)
                continue;
            const std::string& attacker = line.cause == "collision" ? line.with : line.attacker;
            arrival.damageTaken[describeBlow(line)] += line.amount;
            first.try_emplace(attacker, line.t);
            if (line.shield > 0.0f || killing)
                continue;
            killing = line;
            arrival.secondsUnderFire = static_cast<float>(line.t - first[attacker]);
            const GameObject_Ship* ship = game.playerShip();
            for (std::uint32_t i = 0; i < game.aiCount && ship != nullptr; ++i) {
                const GameObject* hostile = game.aiShipRefs[i]->object;
                if (hostile == nullptr || label(*hostile) != attacker)
                    continue;
                Vector3 seen = hostile->position;
                worldToLocal(*ship, seen);
                arrival.attackerRange = length(seen);
                arrival.attackerAhead = seen.z > 0.0f;
            }
        }
    }

    // The ship goes at the physics step after the blow that emptied its shield.
    static void recordDeath(const std::optional<LogLine>& blow, double arrived, Arrival& arrival)
    {
        if (!blow) {
            arrival.fate = "lost without a logged blow";
            return;
        }
        arrival.secondsToDeath = static_cast<float>(blow->t - arrived);
        arrival.fate = describeBlow(*blow);
    }

    std::vector<LogLine> readLog()
    {
        std::vector<LogLine> lines;
        std::fflush(log);
        std::fseek(log, readSoFar, SEEK_SET);
        char text[512];
        while (std::fgets(text, sizeof text, log) != nullptr)
            lines.push_back(parse(text));
        readSoFar = std::ftell(log);
        return lines;
    }

    void skipLog()
    {
        std::fflush(log);
        std::fseek(log, 0, SEEK_END);
        readSoFar = std::ftell(log);
    }

    std::FILE* log;
    long readSoFar = 0;
    std::uint32_t now = 0;
};

float median(std::vector<float> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) * 0.5f;
}

void printArrivals(const std::vector<Arrival>& arrivals)
{
    std::printf("%-8s %-6s %-9s %-32s %-8s %-13s %-15s %s\n", "clock", "ships", "missiles", "fate", "death s",
                "under fire s", "attacker range", "attacker");
    for (const Arrival& a : arrivals) {
        std::printf("%-8u %-6u %-9u %-32s ", a.clock, a.ships, a.missilesAtPlayer, a.fate.c_str());
        if (a.secondsToDeath < 0.0f)
            std::printf("-\n");
        else
            std::printf("%-8.2f %-13.2f %-15.0f %s\n", a.secondsToDeath, a.secondsUnderFire, a.attackerRange,
                        a.attackerRange < 0.0f ? "-" : a.attackerAhead ? "ahead" : "behind");
        for (const std::string& defect : a.defects)
            std::printf("         defect: %s\n", defect.c_str());
    }
}

void printCauses(const std::vector<Arrival>& arrivals)
{
    std::map<std::string, std::vector<float>> byFate;
    for (const Arrival& a : arrivals)
        byFate[a.fate].push_back(a.secondsToDeath);
    std::printf("\n%-40s %-6s %s\n", "cause of death", "count", "median seconds to death");
    for (const auto& [fate, times] : byFate) {
        std::printf("%-40s %-6zu ", fate.c_str(), times.size());
        if (times.front() < 0.0f)
            std::printf("-\n");
        else
            std::printf("%.2f\n", median(times));
    }
}

void printDamage(const std::vector<Arrival>& arrivals)
{
    std::map<std::string, std::pair<float, int>> damage;
    for (const Arrival& a : arrivals)
        for (const auto& [cause, amount] : a.damageTaken) {
            damage[cause].first += amount;
            damage[cause].second += 1;
        }
    std::printf("\n%-40s %-9s %s\n", "damage the player took", "arrivals", "total");
    for (const auto& [cause, total] : damage)
        std::printf("%-40s %-9d %.0f\n", cause.c_str(), total.second, total.first);
}

// The clock at arrival seeds the spawning, so every arrival differs.
constexpr std::uint32_t kFirstClock = 200000;
constexpr std::uint32_t kClockSpacing = 7919;

}

// An arrival with two computer ships, one of which shoots the player down.
TEST(LawlessArrivals, TheDriverFliesAnArrivalAndReadsTheLogBack)
{
    RealModels models;
    ASSERT_TRUE(models.loaded);
    ArrivalDriver driver;
    const Arrival arrival = driver.fly(kFirstClock + 4 * kClockSpacing);
    EXPECT_EQ(arrival.ships, 2u);
    EXPECT_TRUE(arrival.defects.empty()) << arrival.defects.front();
    EXPECT_NE(arrival.fate, "lost without a logged blow");
    EXPECT_FALSE(arrival.damageTaken.empty());
    if (arrival.secondsToDeath >= 0.0f) {
        EXPECT_LE(arrival.secondsToDeath, kSecondsPerArrival);
        EXPECT_GE(arrival.secondsUnderFire, 0.0f);
        EXPECT_LE(arrival.secondsUnderFire, arrival.secondsToDeath);
        EXPECT_GT(arrival.attackerRange, 0.0f) << "the ship that fired the last shot is found";
    }
}

TEST(LawlessArrivals, DISABLED_TwentyArrivalsTabulated)
{
    RealModels models;
    ASSERT_TRUE(models.loaded);
    ArrivalDriver driver;
    std::vector<Arrival> arrivals;
    for (std::uint32_t i = 0; i < 20; ++i)
        arrivals.push_back(driver.fly(kFirstClock + i * kClockSpacing));
    printArrivals(arrivals);
    printCauses(arrivals);
    printDamage(arrivals);
}
