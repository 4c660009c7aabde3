#pragma once

namespace bench {

// Runs the worst scene for `frames` frames and writes, after every frame, the
// generator's state, every object's position, velocity and shield (bit exact),
// the particles and the positional sounds to `file`. Two builds that simulate
// alike write identical files. Returns the process exit code.
int dumpWorstSceneState(const char* file, int frames);

}
