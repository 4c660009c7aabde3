#pragma once
#include <ostream>
#include <string>

#include "flight/Controls.h"

namespace dh {

// "<per-user folder>/controls.ini"; empty when there is no such folder.
std::string controlsFilePath();

// The controls stored at the path: one "name=value" line per action (the
// input's name), "mouse_sensitivity" and "invert_pitch" ("yes" or "no"). A
// missing file gives the defaults; so does a damaged one (a line without "=",
// a value that names nothing, two actions on one input), with one line on
// `errors`. A line naming something unknown is ignored alone.
Controls readControls(const std::string& path, std::ostream& errors);

// Writes the controls through a temporary file renamed over the old one, so
// that a failure never leaves half a file; false when it could not.
bool writeControls(const Controls& controls, const std::string& path);

}
