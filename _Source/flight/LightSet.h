#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace dh {

struct Camera;
class LightSet;

struct Light {
    // As a fixed-function light position: w = 0 makes the light directional.
    std::array<float, 4> position{0.0f, 0.0f, 1.0f, 0.0f};
    std::array<float, 4> colour{1.0f, 1.0f, 1.0f, 1.0f};
    float range = 1.0f;
    LightSet* set = nullptr;
};

// The lights of the flight view, as many as the driver offers but between 1 and 8.
class LightSet {
public:
    static constexpr std::uint32_t kMaxCapacity = 8;

    explicit LightSet(std::uint32_t driverLights);

    // Takes the light when there is room; otherwise it is discarded.
    void add(std::unique_ptr<Light> light);
    // Sets up the fixed-function lighting for a frame seen from `camera`.
    void applyLights(const Camera& camera) const;

    std::uint32_t capacity() const { return capacity_; }
    std::uint32_t count() const { return count_; }
    const Light* light(std::uint32_t i) const { return i < count_ ? lights_[i].get() : nullptr; }

private:
    std::uint32_t capacity_;
    std::uint32_t count_ = 0;
    std::array<std::unique_ptr<Light>, kMaxCapacity> lights_;
};

// The number of lights the current OpenGL driver offers.
std::uint32_t queryDriverLights();

}
