// startup_launch PROGRAM [ARGS...]
// Reads the monotonic clock, starts PROGRAM with ORVANTA_BENCH=1 and reads
// the "shown <ns>" line it writes once its first frame is on screen; prints
// the time from exec to shown and the CPU time the program used, both in
// milliseconds. Exits non-zero if the program never said it was shown.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_launch PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    setenv("ORVANTA_BENCH", "1", 1);
    int out[2];
    if (pipe(out) != 0) return 1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's start-up chatter would drown the figures; BENCH_VERBOSE=1 keeps it.
    const char* verbose = std::getenv("BENCH_VERBOSE");
    if (!verbose || std::strcmp(verbose, "1") != 0) {
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    if (posix_spawn(&child, argv[1], &actions, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    close(out[1]);

    FILE* in = fdopen(out[0], "r");
    char line[128];
    long long shown = -1;
    while (in && std::fgets(line, sizeof line, in)) {
        if (std::strncmp(line, "shown ", 6) == 0) shown = std::atoll(line + 6);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (shown < 0) {
        std::fprintf(stderr, "%s never reported its first window\n", argv[1]);
        return 1;
    }
    const long long begun = static_cast<long long>(start.tv_sec) * 1000000000LL + start.tv_nsec;
    // The CPU time the program used (it quits right after its first frame)
    // is steadier than the wall time on a busy machine.
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    std::printf("%.3f %.3f\n", static_cast<double>(shown - begun) / 1e6,
                ms(usage.ru_utime) + ms(usage.ru_stime));
    return 0;
}
