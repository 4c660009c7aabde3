#pragma once
#include <string>
#include <string_view>

namespace dh {

enum class AtomicWrite { written, cannotOpen, failed };

// Replaces the file at path in one step, and only by a complete file: the bytes
// go to path + ".tmp", which is synced and renamed over path, and the folder is
// synced so the rename itself outlives a power cut. On failure the old file is
// untouched and the temporary file is removed.
AtomicWrite writeFileAtomically(const std::string& path, std::string_view bytes);

}
