#include "core/FactoryDataHooks.h"

FactoryDataHooks& FactoryHooks() {
    static FactoryDataHooks hooks;
    return hooks;
}

bool FactoryDataActive() { return FactoryHooks().enabled && FactoryHooks().enabled(); }
