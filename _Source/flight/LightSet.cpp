#include "flight/LightSet.h"

#include <algorithm>

namespace dh {

LightSet::LightSet(std::uint32_t driverLights) : capacity_(std::clamp(driverLights, 1u, kMaxCapacity)) {}

void LightSet::add(std::unique_ptr<Light> light)
{
    if (light && count_ < capacity_) {
        light->set = this;
        lights_[count_++] = std::move(light);
    }
}

}
