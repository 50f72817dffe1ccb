// Saves two sets of settings, or two alarms when given "alarm", in turn in the
// working directory until killed.
#include "saves.h"

#include <chrono>
#include <csignal>
#include <cstdio>

#include <sys/prctl.h>

int main(int argc, char *[])
{
    // Never outlive the test that drives this process.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const bool alarm = argc > 1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (unsigned round = 0; std::chrono::steady_clock::now() < deadline; ++round) {
        if (alarm ? !alarmfile::write(kAlarms[round % 2])
                  : !savesequence::run(kSettings[round % 2]).empty())
            return 1;
        if (round == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
    return 0;
}
