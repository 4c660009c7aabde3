#include "galaxy/Galaxy.h"

#include "core/Random.h"

#include <algorithm>
#include <string_view>

namespace dh {

namespace {

constexpr std::string_view kTwoLetterSyllables =
    "asabitinunenmirecoerulatowdohapajolaanoksufiedhatoorkaopmononeceeyisel";
constexpr std::string_view kThreeLetterSyllables =
    "onetwohadforwasbigtheandcascopreatersovcannotsupkaylanrusimpminbughanfewleters"
    "comyouresvodhenshetendedtooasshudmadviostaminmaxsaybadsadactlodideagekeyredroscro";

static_assert(kTwoLetterSyllables.size() == 35 * 2);
static_assert(kThreeLetterSyllables.size() == 53 * 3);

std::uint32_t cellSeed(const Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    return (x & 0xFFFFu) + (y << 16) + galaxy.seed;
}

// Cleared entries are not systems: they never stand for the star of cell (0, 0).
const StarSystem* findRecent(const Galaxy& galaxy, std::uint32_t x, std::uint32_t y)
{
    for (const StarSystem& entry : galaxy.recent) {
        if (entry.hasStar() && entry.x == x && entry.y == y) {
            return &entry;
        }
    }
    return nullptr;
}

void capitalise(std::string& name)
{
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z') {
            name[i] = static_cast<char>(name[i] - 'A' + 'a');
        }
    }
    if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
}

}

void getSystem(const Galaxy& galaxy, std::uint32_t x, std::uint32_t y, StarSystem& out)
{
    const std::uint32_t seed = cellSeed(galaxy, x, y);
    g_randomSeed = seed;
    if ((random() & 3u) != 0) {
        out.clear();
        return;
    }
    StarSystem system;
    generateSystem(seed, x, y, system);
    if (const StarSystem* remembered = findRecent(galaxy, x, y)) {
        system = *remembered;
    }
    out = std::move(system);
}

void generateSystem(std::uint32_t seed, std::uint32_t x, std::uint32_t y, StarSystem& out)
{
    generateMarketStock(seed, out.stock);
    out.x = x;
    out.y = y;
    g_randomSeed = seed;
    out.name = generateStarName();
    out.offsetX = ((random() >> 1) & 31u) + 16u;
    out.offsetY = ((random() >> 1) & 31u) + 16u;
    out.planetType = random();
    out.starType = random();
    out.sceneSeed = random();
    out.danger = random() % 5u + 1u;
}

void generateMarketStock(std::uint32_t seed, GoodsCounts& stock)
{
    g_randomSeed = seed;
    for (std::uint32_t& count : stock) {
        count = random() % 201u;
    }
}

std::string generateStarName()
{
    std::string name;
    const std::uint32_t syllables = (random() & 1u) + 2u;
    for (std::uint32_t i = 0; i < syllables; ++i) {
        const std::size_t length = (random() & 1u) + 2u;
        const std::uint32_t pick = random();
        const std::string_view table = length == 2 ? kTwoLetterSyllables : kThreeLetterSyllables;
        const std::size_t k = pick % (table.size() / length);
        name += table.substr(k * length, length);
    }
    capitalise(name);
    return name;
}

void rememberSystem(Galaxy& galaxy, const StarSystem& system)
{
    const StarSystem* existing = findRecent(galaxy, system.x, system.y);
    const auto last = existing != nullptr ? galaxy.recent.begin() + (existing - galaxy.recent.data())
                                          : galaxy.recent.end() - 1;
    // The copy is taken first: the system may itself be an entry of the list.
    StarSystem copy = system;
    std::move_backward(galaxy.recent.begin(), last, last + 1);
    galaxy.recent.front() = std::move(copy);
}

void pickStartSystem(const Galaxy& galaxy, StarSystem& out)
{
    std::uint32_t state = galaxy.seed;
    for (;;) {
        g_randomSeed = state;
        const std::uint32_t s1 = random();
        const std::uint32_t s2 = random();
        getSystem(galaxy, s2 >> 6, s1 >> 6, out);
        if (out.hasStar()) {
            return;
        }
        state = g_randomSeed;
    }
}

}
