#pragma once

namespace dh {

class Mesh;

// The shared models the flight objects are built with, null until the start-up
// code points them at the loaded model list (objects built before show nothing
// and collide with nothing).
struct FlightModels {
    Mesh* explorer = nullptr;
    Mesh* fighter = nullptr;
    Mesh* missile = nullptr;
    Mesh* station = nullptr;
};

extern FlightModels g_flightModels;

}
