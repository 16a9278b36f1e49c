#include "controls/RegisterControls.h"

#include "classlib/core/ClassInfo.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwClockStatus.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/basic/MwSpacer.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/MwToolbar.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/basic/MwVersionInfo.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"

void RegisterQuillonControls() {
    for (const cl::TClassInfo* info : {
             &TMwCheckBox::StaticClass(),
             &TMwClockStatus::StaticClass(),
             &TMwFontComboBox::StaticClass(),
             &TMwFormState::StaticClass(),
             &TMwGroup::StaticClass(),
             &TMwGroupBar::StaticClass(),
             &TMwGroupBox::StaticClass(),
             &TMwLauncher::StaticClass(),
             &TMwPageControl::StaticClass(),
             &TMwPanel::StaticClass(),
             &TMwProgressBar::StaticClass(),
             &TMwRegIniFile::StaticClass(),
             &TMwRichEdit::StaticClass(),
             &TMwSelectFolderDialog::StaticClass(),
             &TMwSpacer::StaticClass(),
             &TMwSplitter::StaticClass(),
             &TMwStatusBar::StaticClass(),
             &TMwTabSheet::StaticClass(),
             &TMwToolButton::StaticClass(),
             &TMwToolbar::StaticClass(),
             &TMwTrayIcon::StaticClass(),
             &TMwTreeView::StaticClass(),
             &TMwVersionInfo::StaticClass(),
             &TMwVersionInfoStatus::StaticClass(),
         })
        cl::TClassRegistry::Register(*info);
}
