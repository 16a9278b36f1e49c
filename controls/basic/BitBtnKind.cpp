#include "controls/basic/BitBtnKind.h"

namespace mw {

const cl::TEnumNames kBitBtnKindNames{{{"bkCustom", 0}, {"bkOK", 1}, {"bkCancel", 2}, {"bkHelp", 3}, {"bkYes", 4},
                                       {"bkNo", 5}, {"bkClose", 6}, {"bkAbort", 7}, {"bkRetry", 8}, {"bkIgnore", 9},
                                       {"bkAll", 10}}};

namespace {
// Modal results as forms know them: mrOk 1, mrCancel 2, mrAbort 3, mrRetry 4, mrIgnore 5,
// mrYes 6, mrNo 7, mrAll 8.
const TBitBtnKindInfo kKinds[kBitBtnKindCount] = {
    {nullptr, nullptr, 0, false, false},
    {"MWCOMMON_OK", "OK", 1, true, false},
    {"MWCOMMON_CANCEL", "Cancel", 2, false, true},
    {"MWCOMMON_HELP", "&Help", 0, false, false},
    {"MWCOMMON_YES", "&Yes", 6, true, false},
    {"MWCOMMON_NO", "&No", 7, false, true},
    {"MWCOMMON_CLOSE", "&Close", 0, false, false},
    {"MWCOMMON_ABORT", "Abort", 3, false, false},
    {"MWCOMMON_RETRY", "&Retry", 4, false, false},
    {"MWCOMMON_IGNORE", "&Ignore", 5, false, false},
    {"MWCOMMON_ALL", "&All", 8, false, false},
};
}  // namespace

const TBitBtnKindInfo& BitBtnKindInfo(TBitBtnKind kind) { return kKinds[static_cast<int>(kind)]; }

TBitBtnKind EffectiveBitBtnKind(TBitBtnKind stored, bool isDefault, bool isCancel, int modalResult, bool userGlyph) {
    if (stored == TBitBtnKind::Custom) return stored;
    const TBitBtnKindInfo& info = BitBtnKindInfo(stored);
    const bool intact = isDefault == info.isDefault && isCancel == info.isCancel && modalResult == info.modalResult && !userGlyph;
    return intact ? stored : TBitBtnKind::Custom;
}

}  // namespace mw
