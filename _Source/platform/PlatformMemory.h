#pragma once

namespace dh {

// Gives the memory a finished game freed back to the system. The C library
// otherwise keeps freed pages that sit below a live allocation, so what the
// game holds at the main menu would depend on where the last game's sky
// happened to lie.
void releaseFreedMemory();

}
