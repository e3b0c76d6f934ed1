#include "KestrimProgram.h"

int main(int argc, char** argv)
{
    return KestrimProgram::run(argc, argv);
}
