#include "ControllerLink.h"

namespace {
ControllerLink* current = nullptr;
}

ControllerLink* ControllerLink::installed()
{
    return current;
}

void ControllerLink::install(ControllerLink* link)
{
    current = link;
}
