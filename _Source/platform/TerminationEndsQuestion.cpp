#include "platform/TerminationEndsQuestion.h"

#include <pthread.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <unistd.h>

namespace dh {

namespace {

volatile sig_atomic_t s_asking = 0;

void exitOnTerminationRequest(int)
{
    _exit(0);
}

void childEndsWithParent()
{
#ifdef __linux__
    if (s_asking != 0)
        prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
}

// A signal the program was started with ignored (Ctrl+C for a program started
// in the background) stays ignored.
void catchUnlessIgnored(int signal, struct sigaction& previous)
{
    sigaction(signal, nullptr, &previous);
    if (previous.sa_handler == SIG_IGN)
        return;
    struct sigaction action {};
    action.sa_handler = exitOnTerminationRequest;
    sigemptyset(&action.sa_mask);
    sigaction(signal, &action, nullptr);
}

}

TerminationEndsQuestion::TerminationEndsQuestion()
{
    static const bool registered = pthread_atfork(nullptr, nullptr, childEndsWithParent) == 0;
    (void)registered;
    catchUnlessIgnored(SIGTERM, previousTerm_);
    catchUnlessIgnored(SIGINT, previousInt_);
    s_asking = 1;
}

TerminationEndsQuestion::~TerminationEndsQuestion()
{
    s_asking = 0;
    sigaction(SIGTERM, &previousTerm_, nullptr);
    sigaction(SIGINT, &previousInt_, nullptr);
}

}
