#pragma once

// The page process: Kestrim started by its own supervisor renders one page.
// It reads a PageJobMessage from standard input, renders the page with
// WebKitThumbnail and writes the thumbnail as a PictureFrame on standard
// output; a page that gave no thumbnail writes nothing and exits 1.
class PageWorker
{
public:
    // The environment variable that makes Kestrim a page process; its value is
    // the supervisor's process id.
    static const char* const ROLE_VARIABLE;

    static bool isRequested();
    static int run(int argc, char** argv);
};
