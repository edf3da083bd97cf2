// The child of the crash test. "--una-volta" saves the five record kinds
// once. "--serie <n> <seed>" runs n rounds: each round forks a process that
// saves them again and again, each save with the content of one number k
// from the round's base on, and kills it at a random moment; then it prints
// the base and waits for a line on its input (the test has checked the
// files) before the next round.
#include "salvataggiversione.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vardello"));
    const QStringList argomenti = app.arguments();
    if (argomenti.contains(QStringLiteral("--una-volta")))
        return VersioneSalvataggi::salvaTutti(1) ? 0 : 1;

    const int giri = argomenti.value(2).toInt();
    QRandomGenerator caso(argomenti.value(3).toUInt());
    for (int giro = 1; giro <= giri; ++giro) {
        const int base = giro * VersioneSalvataggi::kPasso;
        std::fflush(stdout);
        // The saving process says through a pipe when its first save is
        // whole, so the random moment falls among its saves however slow
        // the start (a sanitizer build) is.
        int tubo[2];
        if (pipe(tubo) != 0)
            return 1;
        const pid_t pid = fork();
        if (pid < 0)
            return 1;
        if (pid == 0) {
            close(tubo[0]);
            if (!VersioneSalvataggi::salvaTutti(base + 1) || write(tubo[1], "x", 1) != 1)
                _exit(1);
            close(tubo[1]);
            for (int k = base + 2;; ++k) {
                if (!VersioneSalvataggi::salvaTutti(k))
                    _exit(1);
            }
        }
        close(tubo[1]);
        char segnale = 0;
        if (read(tubo[0], &segnale, 1) != 1)
            return 1;
        close(tubo[0]);
        usleep(caso.bounded(0, 10000));
        kill(pid, SIGKILL);
        int stato = 0;
        waitpid(pid, &stato, 0);
        // A save that failed by itself is a fault, not a kill.
        if (!WIFSIGNALED(stato))
            return 1;
        std::printf("%d\n", base);
        std::fflush(stdout);
        char riga[16];
        if (!std::fgets(riga, sizeof riga, stdin))
            return 1;
    }
    return 0;
}
