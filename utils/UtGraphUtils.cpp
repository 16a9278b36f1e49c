#include "utils/UtGraphUtils.h"

#include "utils/UtBlendMmx.h"
#include "utils/UtBlendPlain.h"
#include "utils/UtInitializationCount.h"

namespace ut {

namespace {

InitializationCount g_count;
const BlendRoutines* g_routines = nullptr;

}  // namespace

void InitializeGraphUtils(bool processorHasMmx) {
    if (!g_count.Enter()) return;
    g_routines = processorHasMmx && BuildMmxBlendTable() ? MmxBlendRoutines() : &PlainBlendRoutines();
}

void FinalizeGraphUtils() {
    if (!g_count.Leave()) return;
    g_routines = &PlainBlendRoutines();
    FreeMmxBlendTable();
}

const BlendRoutines& BlendRoutinesInUse() { return g_routines ? *g_routines : PlainBlendRoutines(); }

}  // namespace ut
