#pragma once

// Kestrim's start-up. Started with one job file it is the supervisor: it reads
// the job, runs each page in a page process of its own (the page program,
// PageWorker) and prints one line per saved thumbnail.
class KestrimProgram
{
public:
    // The process's exit status: 0 after the jobs ran or for a wrong argument
    // count, -1 when the job file gives nothing to do.
    static int run(int argc, char** argv);

private:
    static int supervise(int argc, char** argv);
};
