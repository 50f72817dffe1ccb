// Opens and closes the update dialog 20 times against a server that answers
// only after 3 s, so every opening closes with requests in flight, and prints
// the heap in use after each closing. A flat column means nothing piles up.
#include "loopbackserver.h"
#include "resident.h"
#include "updates/checkupdates.h"
#include "updates/updatecheck.h"
#include "updates/updateindicator.h"

#include <QApplication>
#include <QTest>

#include <malloc.h>

#include <cstdio>

namespace {

long long heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? QByteArray(argv[1]).toInt() : 20;
    const int openMs = argc > 2 ? QByteArray(argv[2]).toInt() : 1000;

    LoopbackServer server;
    if (!server.isRunning()) {
        std::fprintf(stderr, "could not start the test server\n");
        return 1;
    }
    UpdateCheck check(server.url(QStringLiteral("/200/3/0/5")));

    std::printf("round  heap-in-use(bytes)  rss(KiB)  requests-sent\n");
    long long first = 0;
    long long last = 0;
    for (int round = 0; round <= rounds; ++round) {
        {
            CheckUpdates dialog(check);
            dialog.setModal(true);
            dialog.show();
            QTest::qWait(openMs);
        }
        // Let deferred deletions run before measuring.
        QTest::qWait(50);
        const long long heap = heapInUse();
        std::printf("%5d  %18lld  %8ld  %13d\n", round, heap, residentKiB(), server.requests());
        std::fflush(stdout);
        if (round == 1)
            first = heap;
        last = heap;
    }
    std::printf("growth from round 1 to round %d: %lld bytes (%.1f bytes per opening)\n", rounds,
                last - first, rounds > 1 ? double(last - first) / (rounds - 1) : 0.0);
    return 0;
}
