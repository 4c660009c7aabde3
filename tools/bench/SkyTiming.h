#pragma once
// The time of building a sky, step by step, and the memory it holds.
#include <string>

namespace bench {

// Builds `builds` skies for the start system and returns the line
// "sky <ms> ms (<step> <ms>, ...)" of the medians, followed by the lines of
// resident memory before and after the first one is built.
std::string timeSkyBuilds(int builds);

// Builds one sky for the start system, alone in a function of its own for
// callgrind's --toggle-collect, and returns its time in milliseconds.
double measuredSkyBuild();

}
