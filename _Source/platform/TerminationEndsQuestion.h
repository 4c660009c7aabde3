#pragma once

#include <signal.h>

namespace dh {

// While it lives, a termination request (SIGTERM, or SIGINT from Ctrl+C) ends
// the program at once with exit code 0. The toolkit shows the start-up
// question from a child process and waits for it, so SDL's own signal
// handlers, which turn a termination request into a quit event, would not be
// heard until the question is answered. Nothing has been loaded or saved yet
// then, and the question's child process is made to go with its parent.
class TerminationEndsQuestion {
public:
    TerminationEndsQuestion();
    ~TerminationEndsQuestion();
    TerminationEndsQuestion(const TerminationEndsQuestion&) = delete;
    TerminationEndsQuestion& operator=(const TerminationEndsQuestion&) = delete;

private:
    struct sigaction previousTerm_ {};
    struct sigaction previousInt_ {};
};

}
