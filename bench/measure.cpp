// Runs one command and prints its wall time, peak resident memory and exit status:
//
//   zorlan_measure <command> [arguments...]   ->   "<seconds> <peak KiB> <status>"
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
    std::printf("%.6f %ld %d\n", seconds, usage.ru_maxrss, code);
    return 0;
}
