#include "CabinetLink.h"

namespace {
CabinetLink* current = nullptr;
}

CabinetLink* CabinetLink::installed()
{
    return current;
}

void CabinetLink::install(CabinetLink* link)
{
    current = link;
}
