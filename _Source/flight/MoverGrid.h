#pragma once

#include "flight/ObjectRef.h"

#include <array>
#include <cstdint>

namespace dh {

// The broad phase of the mover-against-mover tests: a uniform grid, hashed
// into a fixed table, whose cells are wider than any two movers' bounding
// spheres can reach with the sphere test's margin. Movers whose cells are not
// neighbours are too far apart for that test to let them through, so only
// the movers of the 27 cells around one can collide with it. The grid follows
// each mover as it moves and as it is pushed; nothing else moves a mover
// during a step.
class MoverGrid {
public:
    static constexpr std::uint32_t kCapacity = 512;
    static constexpr std::uint32_t kBuckets = 1024;

    // One bit per snapshot entry.
    using Candidates = std::array<std::uint64_t, kCapacity / 64>;

    // Places every entry of the step's moving snapshot that has a mesh.
    void build(const ObjectRef* snapshot, std::uint32_t count);
    // Follows entry i to where its mover is now.
    void update(std::uint32_t i);
    // Marks every entry in the cells around entry i, itself included.
    void gather(std::uint32_t i, Candidates& out) const;
    // The first marked entry at or after `from`, or kCapacity.
    static std::uint32_t next(const Candidates& candidates, std::uint32_t from);

private:
    using Cell = std::array<std::int32_t, 3>;
    static constexpr std::int16_t kNone = -1;

    bool cellOf(std::uint32_t i, Cell& cell) const;
    static std::uint32_t bucketOf(const Cell& cell);
    void place(std::uint32_t i);
    void remove(std::uint32_t i);

    const ObjectRef* snapshot_ = nullptr;
    std::uint32_t count_ = 0;
    double inverseCellSize_ = 1.0;
    std::array<std::int16_t, kBuckets> head_{};
    std::array<std::int16_t, kCapacity> next_{};
    std::array<std::int16_t, kCapacity> previous_{};
    std::array<Cell, kCapacity> cell_{};
    std::array<std::int16_t, kCapacity> bucket_{};
};

}
