#include "shell/Startup.h"

int main()
{
    return dh::runDriftHauler();
}
