#pragma once

// The page process: the page program, started by Kestrim's supervisor, renders one page.
// It is a program of its own so that the supervisor, which starts first on every
// run, loads no web engine.
// It reads a PageJobMessage from standard input, renders the page with
// WebKitThumbnail and writes the thumbnail as a PictureFrame on standard
// output; a page that gave no thumbnail writes nothing and exits 1.
class PageWorker
{
public:
    // Renders the job read from standard input; refuses to run unless
    // KestrimLimits::PAGE_ROLE_VARIABLE names a live supervisor.
    static int run(int argc, char** argv);
};
