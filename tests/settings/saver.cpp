// Saves two sets of settings in turn, in the working directory, until killed.
#include "settings/savesequence.h"

#include <chrono>
#include <csignal>
#include <cstdio>

#include <sys/prctl.h>

int main()
{
    // Never outlive the test that drives this process.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    const savesequence::Choices sets[2] = {
        {1, true, QStringLiteral("/home/kari/My Music/morning.mp3"), 7, false},
        {2, true, QStringLiteral("/lyd/å vekke.wav"), 100, true}};
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (unsigned round = 0; std::chrono::steady_clock::now() < deadline; ++round) {
        if (!savesequence::run(sets[round % 2]).empty())
            return 1;
        if (round == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
    return 0;
}
