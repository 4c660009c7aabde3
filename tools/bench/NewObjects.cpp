#include "NewObjects.h"

#include <algorithm>

namespace bench {

void NewObjects::remember(const dh::ObjectList& objects)
{
    count_ = 0;
    for (const dh::GameObject* obj : objects.staticObjects()) {
        seen_[count_++] = obj;
    }
    for (const dh::GameObject* obj : objects.movingObjects()) {
        seen_[count_++] = obj;
    }
    std::sort(seen_.begin(), seen_.begin() + count_);
}

std::uint32_t NewObjects::countNew(const dh::ObjectList& objects) const
{
    std::uint32_t created = 0;
    const auto isNew = [&](const dh::GameObject* obj) {
        return !std::binary_search(seen_.begin(), seen_.begin() + count_, obj);
    };
    for (const dh::GameObject* obj : objects.staticObjects()) {
        created += isNew(obj) ? 1u : 0u;
    }
    for (const dh::GameObject* obj : objects.movingObjects()) {
        created += isNew(obj) ? 1u : 0u;
    }
    return created;
}

}
