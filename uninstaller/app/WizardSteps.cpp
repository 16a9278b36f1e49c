#include "uninstaller/app/WizardSteps.h"

namespace {

int StepCustom(int page, bool forward, const unsigned itemCounts[kWizardPageCount])
{
    for (;;) {
        page += forward ? 1 : -1;
        if (page <= kPageMethod)
            return kPageMethod;
        if (page >= kPagePerform)
            return kPagePerform;
        if (itemCounts[page] != 0)
            return page;
    }
}

}  // namespace

int StepPage(int page, bool forward, UninstallMethod method, bool backupsExist,
             const unsigned itemCounts[kWizardPageCount])
{
    if (method == kMethodCustom || method == kMethodNone)
        return StepCustom(page, forward, itemCounts);

    bool offerRollback = backupsExist && method == kMethodAutomatic;
    if (forward) {
        if (page == kPageMethod && offerRollback)
            return kPageRollback;
        return kPagePerform;
    }
    if (page == kPagePerform && offerRollback)
        return kPageRollback;
    return kPageMethod;
}
