/* The machine's floor for a search: sixteen posix_spawn calls of the recording browser,
 * one per address, with nothing else around them. It writes the monotonic time just before
 * its first spawn to the file named first, so only the loop itself is timed. Children are
 * not waited for, as a search does not wait for its browsers.
 * Usage: spawn_floor STAMP_FILE RECORDER ADDRESS... */
#include <spawn.h>
#include <stdio.h>
#include <time.h>

extern char** environ;

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return 2;
    }
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    for (int i = 3; i < argc; ++i) {
        char* arguments[] = {argv[2], argv[i], NULL};
        pid_t pid;
        if (posix_spawn(&pid, argv[2], NULL, NULL, arguments, environ) != 0) {
            return 3;
        }
    }
    FILE* stamp = fopen(argv[1], "w");
    if (stamp == NULL) {
        return 4;
    }
    fprintf(stamp, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
    return fclose(stamp) == 0 ? 0 : 5;
}
