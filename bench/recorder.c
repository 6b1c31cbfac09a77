/* The "browser" both sides of the search benchmark start: it writes one line, the
 * monotonic time at which it began and the address it was given, to the file named by
 * TESSORIN_BENCH_RECORD. One write() on an O_APPEND file keeps lines from interleaving
 * when several copies run at once. It is plain C and POSIX, so that its own start costs
 * as little as possible and both sides pay the same for it. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now); /* first, so nothing below is counted */
    const char* path = getenv("TESSORIN_BENCH_RECORD");
    if (path == NULL) {
        return 2;
    }
    char line[8192];
    const long long ns = (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
    const int length = snprintf(line, sizeof line, "%lld %s\n", ns, argc > 1 ? argv[1] : "");
    if (length < 0 || (size_t)length >= sizeof line) {
        return 3;
    }
    const int fd = open(path, O_WRONLY | O_APPEND | O_CREAT, 0600);
    if (fd < 0) {
        return 4;
    }
    const ssize_t written = write(fd, line, (size_t)length);
    close(fd);
    return written == length ? 0 : 5;
}
