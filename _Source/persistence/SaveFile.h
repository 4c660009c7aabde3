#pragma once
#include "persistence/SaveState.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace dh {

// The bytes of a save file, little-endian fields back to back.
using SaveBytes = std::vector<std::uint8_t>;

inline constexpr std::size_t kSaveNameField = 255;

SaveBytes encodeSaveFile(const SaveState& state);

// Reads the fields in file order and checks each as it comes; a short file
// fails at the first field it cannot hold. Remembered and current systems are
// regenerated from their cells against a copy of `galaxy`, which stays as it
// is. Throws SaveGame::SaveException.
SaveState decodeSaveFile(std::span<const std::uint8_t> bytes, const Galaxy& galaxy);

// Writes the whole file beside the slot and only then puts it in the slot's
// place, so a failed write never damages the previous save. Throws
// SaveGame::SaveException.
void writeSaveFile(const std::string& path, const SaveBytes& bytes);

// The two names a slot list shows, read from the file's name fields without
// checking anything else; false when the file cannot be opened. Fields cut
// short by the file's end read as far as it goes.
bool readSaveFileNames(const std::string& path, std::string& systemName, std::string& commanderName);

// The first SaveGame::kFileSize bytes of the file (fewer when it is shorter).
// Throws SaveGame::SaveException.
SaveBytes readSaveFile(const std::string& path);

}
