#include "classlib/win/RegisterClasses.h"

#include "classlib/core/ClassInfo.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Animate.h"
#include "classlib/win/Button.h"
#include "classlib/win/Edit.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Image.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Label.h"
#include "classlib/win/ListView.h"
#include "classlib/win/MediaPlayer.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Panel.h"
#include "classlib/win/RichEdit.h"
#include "classlib/win/ScrollBox.h"
#include "classlib/win/Timer.h"
#include "classlib/win/TreeView.h"

namespace cl {

void RegisterClassLibrary() {
    for (const TClassInfo* info : {
             &TAction::StaticClass(),
             &TActionList::StaticClass(),
             &TAnimate::StaticClass(),
             &TButton::StaticClass(),
             &TCheckBox::StaticClass(),
             &TEdit::StaticClass(),
             &TImage::StaticClass(),
             &TImageList::StaticClass(),
             &TLabel::StaticClass(),
             &TListView::StaticClass(),
             &TMediaPlayer::StaticClass(),
             &TMenuItem::StaticClass(),
             &TOpenDialog::StaticClass(),
             &TPanel::StaticClass(),
             &TPopupMenu::StaticClass(),
             &TRichEdit::StaticClass(),
             &TSaveDialog::StaticClass(),
             &TScrollBox::StaticClass(),
             &TTimer::StaticClass(),
             &TTreeView::StaticClass(),
         })
        TClassRegistry::Register(*info);
}

}  // namespace cl
