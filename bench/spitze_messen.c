/* Runs one command and writes its wall time, peak resident memory, CPU time and page
 * faults to stderr as
 *   spitze_messen: <seconds> <KiB> <CPU seconds> <page faults>
 * The benchmark starts the tools through this small process: a child forked from the
 * benchmark itself would count the benchmark's own pages in its peak until it execs.
 *
 *   spitze_messen PROGRAMM [ARGUMENT ...]
 */
#define _GNU_SOURCE
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc < 2) {
        fprintf(stderr, "Aufruf: spitze_messen PROGRAMM [ARGUMENT ...]\n");
        return 125;
    }
    struct timespec start, ende;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t pid = fork();
    if (pid < 0) {
        perror("fork");
        return 125;
    }
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    struct rusage ru;
    if (wait4(pid, &status, 0, &ru) != pid) {
        perror("wait4");
        return 125;
    }
    clock_gettime(CLOCK_MONOTONIC, &ende);
    const double sekunden = (double)(ende.tv_sec - start.tv_sec) + (double)(ende.tv_nsec - start.tv_nsec) / 1e9;
    const double cpu = (double)ru.ru_utime.tv_sec + (double)ru.ru_utime.tv_usec / 1e6 + (double)ru.ru_stime.tv_sec +
                       (double)ru.ru_stime.tv_usec / 1e6;
    fprintf(stderr, "spitze_messen: %.6f %ld %.6f %ld\n", sekunden, ru.ru_maxrss, cpu, ru.ru_minflt + ru.ru_majflt);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 126;
}
