#pragma once
#include <ctime>
#include <optional>
#include <string>

namespace dh {

inline constexpr int kSaveSlots = 5;

// The per-user folder of the save files, without a trailing separator; empty
// when the platform has none.
std::string saveFolderPath();

// Creates the save folder if it is missing, and removes the temporary files
// of saves killed before they finished; failures are ignored (the slots then
// show empty and saving reports that the file cannot be opened). Every slot
// list calls it when it refreshes.
void ensureSaveFolder();

// The file of save slot 1..5: "<folder>/save1.sav" .. "<folder>/save5.sav".
// Empty when there is no save folder, so that nothing is ever written to the
// filesystem's root.
std::string slotFilePath(int slot);

// The file a save of the slot file is written to before it takes the slot's place.
std::string temporarySaveFilePath(const std::string& path);

// Removes the slot file's temporary file when a regular file of that name is
// there: only a save killed before its rename leaves one behind.
void removeStaleTemporarySaveFile(const std::string& path);

// The last-write time of a save file in UTC; nothing when there is no such file.
std::optional<std::tm> saveFileTime(const std::string& path);

// Removes a save file; false when it could not be removed.
bool deleteSaveFile(const std::string& path);

}
