#include "flight/MoverGrid.h"

#include "flight/GameObject.h"
#include "rendering/Mesh.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace dh {

namespace {

// Two movers collide only when their centres are nearer than the sum of their
// radii; the sphere test lets pairs through up to sqrt(1.01) of it. Cells of
// 1.1 times the largest diameter leave every pair two cells apart well beyond.
constexpr float kCellMargin = 1.1f;
// Far-off cells are clamped together: sharing a cell only adds candidates.
constexpr double kCellLimit = 1 << 30;

}

void MoverGrid::build(const ObjectRef* snapshot, std::uint32_t count)
{
    snapshot_ = snapshot;
    count_ = std::min(count, kCapacity);
    float largest = 0.0f;
    for (std::uint32_t i = 0; i < count_; ++i) {
        const GameObject* obj = snapshot_[i].object;
        if (obj != nullptr && obj->mesh != nullptr) {
            largest = std::max(largest, obj->mesh->boundRadius);
        }
    }
    inverseCellSize_ = 1.0 / std::max(2.0 * kCellMargin * static_cast<double>(largest), 1.0);
    head_.fill(kNone);
    bucket_.fill(kNone);
    for (std::uint32_t i = 0; i < count_; ++i) {
        place(i);
    }
}

// Movers without a mesh, gone, or somewhere not finite collide with nothing and stay out.
bool MoverGrid::cellOf(std::uint32_t i, Cell& cell) const
{
    const GameObject* obj = snapshot_[i].object;
    if (obj == nullptr || obj->mesh == nullptr) {
        return false;
    }
    const Vector3 centre = obj->position + obj->mesh->boundCentre;
    const float coordinates[3] = {centre.x, centre.y, centre.z};
    for (int k = 0; k < 3; ++k) {
        if (!std::isfinite(coordinates[k])) {
            return false;
        }
        const double scaled = std::floor(static_cast<double>(coordinates[k]) * inverseCellSize_);
        cell[k] = static_cast<std::int32_t>(std::clamp(scaled, -kCellLimit, kCellLimit));
    }
    return true;
}

std::uint32_t MoverGrid::bucketOf(const Cell& cell)
{
    const std::uint32_t hash = static_cast<std::uint32_t>(cell[0]) * 73856093u
                             ^ static_cast<std::uint32_t>(cell[1]) * 19349663u
                             ^ static_cast<std::uint32_t>(cell[2]) * 83492791u;
    return hash & (kBuckets - 1);
}

void MoverGrid::place(std::uint32_t i)
{
    if (!cellOf(i, cell_[i])) {
        return;
    }
    const auto bucket = static_cast<std::int16_t>(bucketOf(cell_[i]));
    bucket_[i] = bucket;
    previous_[i] = kNone;
    next_[i] = head_[bucket];
    if (head_[bucket] != kNone) {
        previous_[head_[bucket]] = static_cast<std::int16_t>(i);
    }
    head_[bucket] = static_cast<std::int16_t>(i);
}

void MoverGrid::remove(std::uint32_t i)
{
    if (bucket_[i] == kNone) {
        return;
    }
    if (previous_[i] != kNone) {
        next_[previous_[i]] = next_[i];
    } else {
        head_[bucket_[i]] = next_[i];
    }
    if (next_[i] != kNone) {
        previous_[next_[i]] = previous_[i];
    }
    bucket_[i] = kNone;
}

void MoverGrid::update(std::uint32_t i)
{
    if (i >= count_) {
        return;
    }
    remove(i);
    place(i);
}

void MoverGrid::gather(std::uint32_t i, Candidates& out) const
{
    out.fill(0);
    if (i >= count_ || bucket_[i] == kNone) {
        return;
    }
    const Cell& centre = cell_[i];
    for (std::int32_t dx = -1; dx <= 1; ++dx) {
        for (std::int32_t dy = -1; dy <= 1; ++dy) {
            for (std::int32_t dz = -1; dz <= 1; ++dz) {
                const Cell around{centre[0] + dx, centre[1] + dy, centre[2] + dz};
                for (std::int16_t j = head_[bucketOf(around)]; j != kNone; j = next_[j]) {
                    if (cell_[j] == around) {
                        out[static_cast<std::uint32_t>(j) / 64] |= std::uint64_t{1} << (static_cast<std::uint32_t>(j) % 64);
                    }
                }
            }
        }
    }
}

std::uint32_t MoverGrid::next(const Candidates& candidates, std::uint32_t from)
{
    for (std::uint32_t word = from / 64; word < candidates.size(); ++word) {
        std::uint64_t bits = candidates[word];
        if (word == from / 64) {
            bits &= ~std::uint64_t{0} << (from % 64);
        }
        if (bits != 0) {
            return word * 64 + static_cast<std::uint32_t>(std::countr_zero(bits));
        }
    }
    return kCapacity;
}

}
