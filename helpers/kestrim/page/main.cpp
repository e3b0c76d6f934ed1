#include "PageWorker.h"

int main(int argc, char** argv)
{
    return PageWorker::run(argc, argv);
}
