#include <gtest/gtest.h>

#include <vector>

#include "uninstaller/app/WizardSteps.h"

namespace {

struct Walk {
    const char* name;
    UninstallMethod method;
    bool backups;
    std::vector<int> nonEmptyPages;
    std::vector<int> forward;    // pages seen pressing Next from page 0
    std::vector<int> backward;   // pages seen pressing Back from the last one
};

std::vector<int> Visit(int page, bool forward, const Walk& walk, const unsigned counts[kWizardPageCount])
{
    std::vector<int> pages{page};
    for (int step = 0; step < kWizardPageCount; ++step) {
        int next = StepPage(page, forward, walk.method, walk.backups, counts);
        if (next == page)
            break;
        pages.push_back(page = next);
    }
    return pages;
}

TEST(WizardSteps, NextAndBackVisitThePagesOfTheMethod)
{
    const Walk walks[] = {
        {"custom, registry trees only", kMethodCustom, false, {kPageRegistryTrees}, {0, 7, 11}, {11, 7, 0}},
        {"custom, first and last list pages", kMethodCustom, true, {1, 10}, {0, 1, 10, 11}, {11, 10, 1, 0}},
        {"custom, nothing logged", kMethodCustom, false, {}, {0, 11}, {11, 0}},
        {"method not chosen yet walks like custom", kMethodNone, false, {2, 4}, {0, 2, 4, 11}, {11, 4, 2, 0}},
        {"automatic with backups offers the rollback", kMethodAutomatic, true, {1, 2}, {0, 12, 11}, {11, 12, 0}},
        {"automatic without backups", kMethodAutomatic, false, {1}, {0, 11}, {11, 0}},
        {"repair never offers the rollback", kMethodRepair, true, {1}, {0, 11}, {11, 0}},
    };
    for (const Walk& walk : walks) {
        SCOPED_TRACE(walk.name);
        unsigned counts[kWizardPageCount] = {};
        for (int page : walk.nonEmptyPages)
            counts[page] = 3;
        EXPECT_EQ(Visit(kPageMethod, true, walk, counts), walk.forward);
        EXPECT_EQ(Visit(kPagePerform, false, walk, counts), walk.backward);
    }
}

TEST(WizardSteps, RollbackPageLeadsToPerformOrBackToMethod)
{
    unsigned counts[kWizardPageCount] = {};
    EXPECT_EQ(StepPage(kPageRollback, true, kMethodAutomatic, true, counts), kPagePerform);
    EXPECT_EQ(StepPage(kPageRollback, false, kMethodAutomatic, true, counts), kPageMethod);
}

}  // namespace
