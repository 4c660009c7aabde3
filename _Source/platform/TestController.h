#pragma once

namespace dh {

// A gamepad for end-to-end tests, only in builds made with DH_TEST_HOOKS:
// when the environment variable DH_TEST_CONTROLLER names a FIFO, a virtual
// gamepad is plugged in and every line written to the FIFO, a button's SDL
// name and 1 or 0 ("dpdown 1", "a 0"), presses or releases one of its
// buttons. Without the option, or without the variable, both do nothing.
void attachTestController();
void detachTestController();

}
