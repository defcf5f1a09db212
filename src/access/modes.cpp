#include "access/modes.h"

namespace sumbrel::access {

namespace {
Modes g_modes;
}

const Modes& CurrentModes()
{
    return g_modes;
}

void SetCurrentModes(const Modes& modes)
{
    g_modes = modes;
}

int IdleMs(int nominalMs)
{
    return g_modes.any() ? nominalMs * kIdleFactor : nominalMs;
}

}  // namespace sumbrel::access
