
#include "classlib/core/ClassInfo.h"
#include "controls/RegisterControls.h"
#include "controls/basic/MwBitBtn.h"
#include "controls/basic/MwButton.h"
#include "controls/basic/MwButtonEdit.h"
#include "controls/basic/MwButtonPair.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwCheckGroup.h"
#include "controls/basic/MwClockStatus.h"
#include "controls/basic/MwControlButton.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwFormState.h"
#include "controls/basic/MwFrameController.h"
#include "controls/basic/MwGroupBox.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwMaskEdit.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwProgressBar.h"
#include "controls/basic/MwRadioButton.h"
#include "controls/basic/MwRadioGroup.h"
#include "controls/basic/MwRapidFireButton.h"
#include "controls/basic/MwRegIniFile.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/basic/MwSpacer.h"
#include "controls/basic/MwStatusBar.h"
#include "controls/basic/MwToolButton.h"
#include "controls/basic/MwToolbar.h"
#include "controls/basic/MwToolbarButton.h"
#include "controls/basic/MwTrayIcon.h"
#include "controls/basic/MwURLLabel.h"
#include "controls/basic/MwVersionInfo.h"
#include "controls/basic/MwVersionInfoStatus.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwGroupBar.h"
#include "controls/navigation/MwLauncher.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "controls/shell/MwSelectFolderDialog.h"
#include "controls/shell/MwShellList.h"
#include "controls/shell/MwShellTree.h"

void RegisterQuillonControls() {
    for (const cl::TClassInfo* info : {
             &TMwBitBtn::StaticClass(),
             &TMwButton::StaticClass(),
             &TMwButtonEdit::StaticClass(),
             &TMwButtonPair::StaticClass(),
             &TMwCheckBox::StaticClass(),
             &TMwCheckGroup::StaticClass(),
             &TMwClockStatus::StaticClass(),
             &TMwControlButton::StaticClass(),
             &TMwEdit::StaticClass(),
             &TMwFontComboBox::StaticClass(),
             &TMwFormState::StaticClass(),
             &TMwFrameController::StaticClass(),
             &TMwGroup::StaticClass(),
             &TMwGroupBar::StaticClass(),
             &TMwGroupBox::StaticClass(),
             &TMwLabel::StaticClass(),
             &TMwLauncher::StaticClass(),
             &TMwMaskEdit::StaticClass(),
             &TMwPageControl::StaticClass(),
             &TMwPanel::StaticClass(),
             &TMwProgressBar::StaticClass(),
             &TMwRadioButton::StaticClass(),
             &TMwRadioGroup::StaticClass(),
             &TMwRapidFireButton::StaticClass(),
             &TMwRegIniFile::StaticClass(),
             &TMwRichEdit::StaticClass(),
             &TMwSelectFolderDialog::StaticClass(),
             &TMwShellList::StaticClass(),
             &TMwShellTree::StaticClass(),
             &TMwSpacer::StaticClass(),
             &TMwSplitter::StaticClass(),
             &TMwStatusBar::StaticClass(),
             &TMwTabSheet::StaticClass(),
             &TMwToolButton::StaticClass(),
             &TMwToolbar::StaticClass(),
             &TMwToolbarButton::StaticClass(),
             &TMwTrayIcon::StaticClass(),
             &TMwTreeView::StaticClass(),
             &TMwURLLabel::StaticClass(),
             &TMwVersionInfo::StaticClass(),
             &TMwVersionInfoStatus::StaticClass(),
         })
        cl::TClassRegistry::Register(*info);
}
