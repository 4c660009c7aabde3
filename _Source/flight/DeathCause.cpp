#include "flight/DeathCause.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace dh {

namespace {

// One unit is one metre.
constexpr float kKilometresPerHourPerUnit = 3.6f;

const char* article(const char* name)
{
    return name[0] != '\0' && std::strchr("AEIOUaeiou", name[0]) != nullptr ? "an" : "a";
}

std::string collisionLine(const DeathCause& cause)
{
    const long kmh = std::lround(std::fabs(cause.closingSpeed) * kKilometresPerHourPerUnit);
    char line[160];
    if (cause.otherStatic) {
        std::snprintf(line, sizeof line, "Crashed into the %s at %ld km/h", cause.other, kmh);
    } else if (cause.other[0] == '\0') {
        std::snprintf(line, sizeof line, "Struck by debris at %ld km/h", kmh);
    } else {
        std::snprintf(line, sizeof line, "Rammed by %s %s at %ld km/h", article(cause.other), cause.other, kmh);
    }
    return line;
}

}

std::string describeDeathCause(const DeathCause& cause)
{
    switch (cause.kind) {
    case DeathCause::Kind::Laser:
        return std::string("Laser fire from ") + article(cause.other) + " " + cause.other;
    case DeathCause::Kind::Missile:
        return "Hit by a missile";
    case DeathCause::Kind::Collision:
        return collisionLine(cause);
    case DeathCause::Kind::Unknown:
        break;
    }
    return {};
}

}
