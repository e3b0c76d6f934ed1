// peakrss PROGRAM [ARGUMENT...]: runs the program and, once it has ended, writes the
// most memory it held ("peak resident KB: N") as the last line on standard error; exits
// as the program did. A test cannot ask this of the programs it starts itself: a child
// started with vfork, as QProcess and posix_spawn do, is counted with the test's own
// memory before it runs the program. This small process has little to count.
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: peakrss PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const pid_t child = fork();
    if (child < 0)
        return 2;
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(child, &status, 0, &usage) != child)
        return 2;
    std::fprintf(stderr, "peak resident KB: %ld\n", usage.ru_maxrss);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
