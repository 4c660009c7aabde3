#include "persistence/SettingsFile.h"

#include "persistence/SaveFolder.h"
#include "platform/AtomicFile.h"
#include "window/DisplayMode.h"


#include <algorithm>
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <system_error>
#include <utility>

namespace dh {

namespace {

enum class Reading { read, outOfRange, unreadable };

std::optional<bool> readSwitch(std::string_view value)
{
    if (value == "on")
        return true;
    if (value == "off")
        return false;
    return std::nullopt;
}

std::optional<int> readInt(std::string_view text)
{
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

Reading readDisplay(std::string_view value, Settings& settings)
{
    if (value == "windowed") {
        settings.display = DisplayChoice{};
        return Reading::read;
    }
    const std::size_t cross = value.find('x');
    if (cross == std::string_view::npos)
        return Reading::unreadable;
    const std::optional<int> width = readInt(value.substr(0, cross));
    const std::optional<int> height = readInt(value.substr(cross + 1));
    if (!width || !height)
        return Reading::unreadable;
    const bool offered = std::any_of(kOfferedFullscreenSizes.begin(), kOfferedFullscreenSizes.end(),
                                     [&](ScreenMode mode) { return mode.width == *width && mode.height == *height; });
    if (!offered)
        return Reading::outOfRange;
    settings.display = DisplayChoice{*width, *height, true};
    return Reading::read;
}

std::optional<std::string> writeDisplay(const Settings& settings)
{
    if (!settings.display)
        return std::nullopt;
    if (!settings.display->fullscreen)
        return "windowed";
    return std::to_string(settings.display->width) + "x" + std::to_string(settings.display->height);
}

Reading readBrightness(std::string_view value, Settings& settings)
{
    float brightness = 0.0f;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), brightness);
    if (error == std::errc::result_out_of_range)
        return Reading::outOfRange;
    if (error != std::errc() || end != value.data() + value.size())
        return Reading::unreadable;
    if (!(brightness >= SettingsFile::kMinBrightness && brightness <= SettingsFile::kMaxBrightness))
        return Reading::outOfRange;
    settings.brightness = brightness;
    return Reading::read;
}

std::optional<std::string> writeBrightness(const Settings& settings)
{
    if (!settings.brightness)
        return std::nullopt;
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), *settings.brightness);
    if (error != std::errc())
        return std::nullopt;
    return std::string(text.data(), end);
}

template <bool Settings::*field>
Reading readSwitchInto(std::string_view value, Settings& settings)
{
    const std::optional<bool> on = readSwitch(value);
    if (!on)
        return Reading::unreadable;
    settings.*field = *on;
    return Reading::read;
}

template <bool Settings::*field>
std::optional<std::string> writeSwitch(const Settings& settings)
{
    return std::string(settings.*field ? "on" : "off");
}

// One entry per key, in the order the file is written; a new setting needs a
// field in Settings and a line here.
struct Key {
    std::string_view name;
    Reading (*read)(std::string_view value, Settings& settings);
    std::optional<std::string> (*write)(const Settings& settings);
};

constexpr std::array<Key, 5> kKeys{{
    {"display", readDisplay, writeDisplay},
    {"brightness", readBrightness, writeBrightness},
    {"sound", readSwitchInto<&Settings::sound>, writeSwitch<&Settings::sound>},
    {"music", readSwitchInto<&Settings::music>, writeSwitch<&Settings::music>},
    {"flight_assists", readSwitchInto<&Settings::flightAssists>, writeSwitch<&Settings::flightAssists>},
}};

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

const Key* findKey(std::string_view name)
{
    const auto found = std::find_if(kKeys.begin(), kKeys.end(), [&](const Key& key) { return key.name == name; });
    return found == kKeys.end() ? nullptr : &*found;
}

}

SettingsFile::SettingsFile(std::string path) : path(std::move(path)) {}

std::string SettingsFile::defaultPath()
{
    const std::string folder = saveFolderPath();
    return folder.empty() ? std::string() : folder + "/settings.ini";
}

bool SettingsFile::parse(std::string_view text, Settings& settings, std::ostream& errors) const
{
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return false;
        const std::string_view name = trimmed(line.substr(0, equals));
        const std::string_view value = trimmed(line.substr(equals + 1));
        const Key* key = findKey(name);
        if (key == nullptr)
            continue;
        const Reading reading = key->read(value, settings);
        if (reading == Reading::unreadable)
            return false;
        if (reading == Reading::outOfRange)
            errors << "Drift Hauler: " << path << " line " << lineNumber << ": " << name << "=" << value
                   << " is out of range and ignored\n";
    }
    return true;
}

Settings SettingsFile::load(std::ostream& errors) const
{
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        errors << "Drift Hauler: no settings file at \"" << path << "\", using the default settings\n";
        return {};
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    if (!std::filesystem::is_regular_file(path, error) || !in || !(text << in.rdbuf())) {
        errors << "Drift Hauler: the settings file \"" << path << "\" cannot be read, using the default settings\n";
        return {};
    }
    Settings settings;
    if (!parse(text.str(), settings, errors)) {
        errors << "Drift Hauler: the settings file \"" << path << "\" is damaged, using the default settings\n";
        return {};
    }
    return settings;
}

std::string SettingsFile::format(const Settings& settings)
{
    std::string text = "# Drift Hauler settings, written when the settings view closes\n";
    for (const Key& key : kKeys) {
        if (const std::optional<std::string> value = key.write(settings))
            text.append(key.name).append("=").append(*value).append("\n");
    }
    return text;
}

bool SettingsFile::save(const Settings& settings, std::ostream& errors) const
{
    if (path.empty()) {
        errors << "Drift Hauler: there is no folder to keep the settings in\n";
        return false;
    }
    if (writeFileAtomically(path, format(settings)) != AtomicWrite::written) {
        errors << "Drift Hauler: the settings could not be written to \"" << path << "\"\n";
        return false;
    }
    return true;
}

}
