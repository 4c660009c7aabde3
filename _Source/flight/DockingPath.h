#pragma once

#include "core/Vector3.h"

namespace dh {

// The way into a station's docking bay from anywhere round the station: the
// point to head for now and the length of the way still to fly. In front of
// the bay's face the way closes on the bay's axis, rising while it is far off
// the axis, and then runs down the axis into the bay; low over the face it
// first climbs; beside or behind the station it swings wide of the hull and
// comes round to the front.
struct DockingPath {
    Vector3 aim;
    float remaining = 0.0f;
};

// `bay` is the docking point, on the face in the middle of the bay's mouth;
// `axis` the unit direction the bay opens towards.
DockingPath planDockingPath(Vector3 ship, Vector3 bay, Vector3 axis);

}
