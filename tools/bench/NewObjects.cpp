#include "NewObjects.h"

#include "AllocationCount.h"

#include "flight/GameObject.h"

namespace bench {

std::uint32_t countNewObjects(const dh::ObjectList& objects)
{
    std::uint32_t created = 0;
    const auto isNew = [](const dh::GameObject* obj) {
        return allocatedWhileCounting(dynamic_cast<const void*>(obj));
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
