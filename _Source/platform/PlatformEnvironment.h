#pragma once

namespace dh {

// The value of an environment variable, or null when it is not set.
const char* platformEnvironment(const char* name);

}
