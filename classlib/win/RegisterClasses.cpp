#include "classlib/win/RegisterClasses.h"

#include "classlib/core/ClassInfo.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Button.h"
#include "classlib/win/Edit.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/ImageList.h"
#include "classlib/win/Label.h"
#include "classlib/win/Menus.h"
#include "classlib/win/Panel.h"
#include "classlib/win/Timer.h"

namespace cl {

void RegisterClassLibrary() {
    for (const TClassInfo* info : {
             &TAction::StaticClass(),
             &TActionList::StaticClass(),
             &TButton::StaticClass(),
             &TCheckBox::StaticClass(),
             &TEdit::StaticClass(),
             &TImageList::StaticClass(),
             &TLabel::StaticClass(),
             &TMenuItem::StaticClass(),
             &TOpenDialog::StaticClass(),
             &TPanel::StaticClass(),
             &TPopupMenu::StaticClass(),
             &TSaveDialog::StaticClass(),
             &TTimer::StaticClass(),
         })
        TClassRegistry::Register(*info);
}

}  // namespace cl
