#include "persistence/ControlsFile.h"

#include "persistence/SaveFolder.h"
#include "platform/AtomicFile.h"
#include "platform/KeyNames.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>

namespace dh {

namespace {

constexpr const char* kSensitivity = "mouse_sensitivity";
constexpr const char* kInvertPitch = "invert_pitch";

std::optional<Action> actionNamed(const std::string& name)
{
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        if (name == Controls::fileName(action))
            return action;
    }
    return std::nullopt;
}

std::optional<float> parseSensitivity(const std::string& value)
{
    if (value.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const float sensitivity = std::strtof(value.c_str(), &end);
    if (errno != 0 || *end != '\0' || !(sensitivity >= Controls::kMinSensitivity)
        || !(sensitivity <= Controls::kMaxSensitivity))
        return std::nullopt;
    return sensitivity;
}

// Reads the lines into `controls`; false at the first damaged line.
bool readLines(std::istream& in, Controls& controls, std::array<unsigned, Controls::kActionCount>& inputs)
{
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            return false;
        const std::string name = line.substr(0, equals);
        const std::string value = line.substr(equals + 1);
        if (const auto action = actionNamed(name)) {
            inputs[static_cast<std::size_t>(*action)] = inputFromName(value);
            if (inputs[static_cast<std::size_t>(*action)] == 0)
                return false;
        } else if (name == kSensitivity) {
            const auto sensitivity = parseSensitivity(value);
            if (!sensitivity)
                return false;
            controls.setMouseSensitivity(*sensitivity);
        } else if (name == kInvertPitch) {
            if (value != "yes" && value != "no")
                return false;
            controls.invertPitch = value == "yes";
        }
    }
    return !in.bad();
}

// Binds the inputs read; false when two actions share one or one cannot be
// bound to its action.
bool bindAll(Controls& controls, const std::array<unsigned, Controls::kActionCount>& inputs)
{
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (std::count(inputs.begin(), inputs.end(), inputs[i]) != 1)
            return false;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (!controls.bind(static_cast<Action>(i), inputs[i]))
            return false;
    for (std::size_t i = 0; i < inputs.size(); ++i)
        if (controls.input(static_cast<Action>(i)) != inputs[i])
            return false;
    return true;
}

}

std::string controlsFilePath()
{
    const std::string folder = saveFolderPath();
    return folder.empty() ? std::string() : folder + "/controls.ini";
}

Controls readControls(const std::string& path, std::ostream& errors)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Controls();
    Controls controls;
    std::array<unsigned, Controls::kActionCount> inputs{};
    for (std::size_t i = 0; i < inputs.size(); ++i)
        inputs[i] = controls.input(static_cast<Action>(i));
    if (readLines(in, controls, inputs) && bindAll(controls, inputs))
        return controls;
    errors << path << " is damaged; the default controls are used\n";
    return Controls();
}

bool writeControls(const Controls& controls, const std::string& path)
{
    if (path.empty())
        return false;
    std::ostringstream text;
    text << "# Drift Hauler controls: action=key name\n";
    for (std::size_t i = 0; i < Controls::kActionCount; ++i) {
        const auto action = static_cast<Action>(i);
        text << Controls::fileName(action) << '=' << inputName(controls.input(action)) << '\n';
    }
    text << kSensitivity << '=' << controls.mouseSensitivity() << '\n';
    text << kInvertPitch << '=' << (controls.invertPitch ? "yes" : "no") << '\n';
    return writeFileAtomically(path, text.str()) == AtomicWrite::written;
}

}
