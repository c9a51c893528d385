// Runs one command and prints its wall time, processor time (user plus system), peak
// resident memory and exit status:
//
//   zorlan_measure <command> [arguments...]   ->   "<seconds> <cpu seconds> <peak KiB> <status>"
//
// On a busy machine the wall time includes waiting for a processor; the processor time
// is the command's own cost.
//
// A small launcher of its own keeps the child's peak memory honest: a child forked from a
// large interpreter would count the interpreter's pages until its exec.
#include <chrono>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s command [arguments...]\n", argv[0]);
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        dup2(2, 1); // the child's output goes to the error stream; ours is the measurement
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) < 0) return 2;
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    int code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    double cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                 static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    std::printf("%.6f %.6f %ld %d\n", seconds, cpu, usage.ru_maxrss, code);
    return 0;
}
