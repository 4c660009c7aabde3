#include "flight/CombatLog.h"

#include "flight/GameObject.h"
#include "flight/MovingGameObject.h"
#include "flight/ObjectList.h"
#include "platform/PlatformEnvironment.h"
#include "platform/PlatformEvents.h"

#include <cmath>
#include <cstring>

namespace dh {

namespace {

constexpr std::size_t kLabelSize = 96;

Vector3 velocityOf(const GameObject& obj)
{
    return obj.isStatic() ? Vector3{} : static_cast<const MovingGameObject&>(obj).velocity;
}

// How fast `from` and `to` approach each other; negative while they part.
float closingSpeed(const GameObject& from, const GameObject& to)
{
    const Vector3 apart = to.position - from.position;
    const float distance = length(apart);
    if (distance == 0.0f) {
        return 0.0f;
    }
    return dot(velocityOf(from) - velocityOf(to), apart) / distance;
}

// A pointer that may outlive its object is only dereferenced while the
// victim's list still holds it.
const GameObject* stillThere(const GameObject& victim, const GameObject* other)
{
    if (other == nullptr || victim.list == nullptr || !victim.list->containsObject(other)) {
        return nullptr;
    }
    return other;
}

void describe(char (&label)[kLabelSize], const GameObject& obj)
{
    std::snprintf(label, sizeof label, "\"%s\"@%p", obj.name, static_cast<const void*>(&obj));
}

void describeAttacker(char (&label)[kLabelSize], const GameObject& victim, const GameObject* attacker)
{
    if (attacker == nullptr) {
        std::snprintf(label, sizeof label, "none");
    } else if (const GameObject* alive = stillThere(victim, attacker)) {
        describe(label, *alive);
    } else {
        std::snprintf(label, sizeof label, "gone@%p", static_cast<const void*>(attacker));
    }
}

void writeLine(std::FILE* out, const GameObject& victim, const char* cause, const char* attacker, float amount,
               float closing)
{
    char who[kLabelSize];
    describe(who, victim);
    const double seconds = platformMilliseconds() * 0.001;
    std::fprintf(out, "combat t=%.3f victim=%s cause=%s attacker=%s amount=%.3f shield=%.3f closing=%.1f\n", seconds,
                 who, cause, attacker, static_cast<double>(amount), static_cast<double>(victim.shield),
                 static_cast<double>(closing));
}

}

std::FILE*& CombatLog::output()
{
    static std::FILE* out = namesCombat(platformEnvironment("DRIFT_HAULER_LOG")) ? stderr : nullptr;
    return out;
}

const GameObject*& CombatLog::watched()
{
    static const GameObject* victim = nullptr;
    return victim;
}

DeathCause& CombatLog::remembered()
{
    static DeathCause cause;
    return cause;
}

void CombatLog::watch(const GameObject* victim)
{
    if (victim == nullptr || victim != watched()) {
        watched() = victim;
        remembered() = DeathCause{};
    }
}

const DeathCause& CombatLog::lastDamage()
{
    return remembered();
}

void CombatLog::remember(const GameObject& victim, const DeathCause& cause)
{
    if (&victim == watched()) {
        remembered() = cause;
    }
}

void CombatLog::setOutput(std::FILE* out)
{
    output() = out;
}

bool CombatLog::namesCombat(const char* logs)
{
    if (logs == nullptr) {
        return false;
    }
    constexpr std::size_t kWordLength = 6;
    for (const char* word = logs; *word != '\0';) {
        const std::size_t length = std::strcspn(word, ",");
        if (length == kWordLength && std::strncmp(word, "combat", kWordLength) == 0) {
            return true;
        }
        word += length;
        word += *word == ',' ? 1 : 0;
    }
    return false;
}

bool CombatLog::enabled()
{
    return output() != nullptr;
}

void CombatLog::laser(const GameObject& victim, const GameObject& attacker, float amount)
{
    remember(victim, {DeathCause::Kind::Laser, attacker.name, false, 0.0f});
    if (std::FILE* out = output()) {
        char by[kLabelSize];
        describe(by, attacker);
        writeLine(out, victim, "laser", by, amount, closingSpeed(attacker, victim));
    }
}

void CombatLog::missile(const GameObject& victim, const GameObject* attacker, const GameObject& missile, float amount)
{
    remember(victim, {DeathCause::Kind::Missile, missile.name, false, 0.0f});
    if (std::FILE* out = output()) {
        char by[kLabelSize];
        describeAttacker(by, victim, attacker);
        writeLine(out, victim, "missile", by, amount, closingSpeed(missile, victim));
    }
}

void CombatLog::emp(const GameObject& victim, const GameObject* attacker, float amount)
{
    if (std::FILE* out = output()) {
        char by[kLabelSize];
        describeAttacker(by, victim, attacker);
        const GameObject* dropper = stillThere(victim, attacker);
        writeLine(out, victim, "EMP", by, amount, dropper != nullptr ? closingSpeed(*dropper, victim) : 0.0f);
    }
}

void CombatLog::collision(const GameObject& victim, const GameObject& other, float amount)
{
    if (&victim == watched()) {
        remember(victim, {DeathCause::Kind::Collision, other.name, false, closingSpeed(other, victim)});
    }
    if (std::FILE* out = output()) {
        char with[kLabelSize + 16];
        char what[kLabelSize];
        describe(what, other);
        std::snprintf(with, sizeof with, "collision with=%s", what);
        writeLine(out, victim, with, "none", amount, closingSpeed(other, victim));
    }
}

void CombatLog::collisionWithStatic(const GameObject& victim, const GameObject& other, float amount, float speed)
{
    remember(victim, {DeathCause::Kind::Collision, other.name, true, speed});
    if (std::FILE* out = output()) {
        char with[kLabelSize + 16];
        char what[kLabelSize];
        describe(what, other);
        std::snprintf(with, sizeof with, "collision with=%s", what);
        writeLine(out, victim, with, "none", amount, speed);
    }
}

}
