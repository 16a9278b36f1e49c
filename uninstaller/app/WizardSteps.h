#pragma once
// The wizard's pages and the way Next and Back move between them.

enum UninstallMethod { kMethodNone, kMethodAutomatic, kMethodCustom, kMethodRepair };

enum WizardPage {
    kPageMethod = 0,
    kPagePrivateFiles = 1,
    kPageSystemFiles = 2,
    kPageDirectories = 3,
    kPageIniFiles = 4,
    kPageIniItems = 5,
    kPageRegistryKeys = 6,
    kPageRegistryTrees = 7,
    kPageRegistryEdits = 8,
    kPageIcons = 9,
    kPageSubSystems = 10,
    kPagePerform = 11,
    kPageRollback = 12,
    kWizardPageCount = 13
};

inline bool IsListPage(int page)
{
    return page >= kPagePrivateFiles && page <= kPageSubSystems;
}

// The page that Next (forward) or Back leads to from page. A Custom run (or one whose method is
// not chosen yet) walks the list pages one by one, skipping those whose item count is 0;
// Automatic and Repair runs go between the method page, the rollback page (Automatic with
// backups only) and the perform page. itemCounts is indexed by page.
int StepPage(int page, bool forward, UninstallMethod method, bool backupsExist,
             const unsigned itemCounts[kWizardPageCount]);
