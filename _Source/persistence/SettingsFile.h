#pragma once
#include "persistence/Settings.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace dh {

// The settings file: plain "key=value" lines, blank lines and "#" comments.
// The keys are display ("windowed" or a full-screen size such as "1024x768"),
// brightness (0.5 to 1.5), sound and music ("on" or "off").
class SettingsFile {
public:
    static constexpr float kMinBrightness = 0.5f;
    static constexpr float kMaxBrightness = 1.5f;

    explicit SettingsFile(std::string path);

    // settings.ini in the save folder; empty when there is no such folder.
    static std::string defaultPath();

    // The remembered settings. A missing, unreadable or damaged file gives the
    // defaults and one line on `errors`; a value out of range is left at its
    // default alone, with a line naming it.
    Settings load(std::ostream& errors) const;

    // Replaces the file in one step with a complete one; false, with a line on
    // `errors`, when it could not be written.
    bool save(const Settings& settings, std::ostream& errors) const;

    static std::string format(const Settings& settings);
    // Reads `text` into `settings`; false when a line is damaged (neither
    // blank, a comment nor key=value with a readable value). Keys it does not
    // know are skipped, so a file from a later version still reads.
    bool parse(std::string_view text, Settings& settings, std::ostream& errors) const;

private:
    std::string path;
};

}
