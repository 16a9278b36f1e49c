#include "classlib/win/Menus.h"

#include <algorithm>
#include <set>

#include "classlib/core/ClassBuilder.h"
#include "classlib/win/Application.h"
#include "classlib/win/Canvas.h"
#include "classlib/win/Control.h"
#include "classlib/win/Handles.h"
#include "classlib/win/ImageList.h"

namespace cl {

namespace {

// Live menu items: owner-draw messages carry an item pointer, checked against this set.
std::set<const TMenuItem*>& LiveItems() {
    static std::set<const TMenuItem*> items;
    return items;
}

std::string ShortCutText(int shortCut) {
    if (!shortCut) return std::string();
    std::string text;
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scAlt) text += "Alt+";
    const UINT key = shortCut & 0xFF;
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return text + static_cast<char>(key);
    if (key == VK_DELETE) return text + "Del";
    if (key >= VK_F1 && key <= VK_F12) return text + "F" + std::to_string(key - VK_F1 + 1);
    char name[64] = {};
    GetKeyNameTextA(static_cast<LONG>(MapVirtualKeyA(key, 0) << 16), name, sizeof(name));
    return text + name;
}

const TEnumNames kMenuAutoFlagNames{{{"maAutomatic", 0}, {"maManual", 1}}};

bool IsSeparator(const TMenuItem* item) { return item->Caption() == "-"; }

// Builds the Win32 menu of an item's children; ids index into `all`. Tidying drops separators
// at either end and doubled ones (hidden items in between count as absent).
void BuildMenu(HMENU menu, TMenuItem& parent, bool ownerDraw, bool tidy, std::vector<TMenuItem*>& all) {
    bool lastWasSeparator = true;  // at the start, a separator would lead
    int pendingSeparator = 0;
    for (int i = 0; i < parent.Count(); ++i) {
        TMenuItem* item = parent.Items(i);
        if (!item->Visible()) continue;
        if (IsSeparator(item)) {
            if (!tidy) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            else if (!lastWasSeparator) pendingSeparator = 1;
            lastWasSeparator = true;
            continue;
        }
        if (pendingSeparator) AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        pendingSeparator = 0;
        lastWasSeparator = false;
        UINT flags = (item->Enabled() ? MF_ENABLED : MF_GRAYED) | (item->Checked() ? MF_CHECKED : 0);
        const bool drawn = ownerDraw || static_cast<bool>(item->OnDrawItem);
        std::string text = item->Caption();
        if (item->ShortCut()) text += "\t" + ShortCutText(item->ShortCut());
        if (item->Count() > 0) {
            HMENU sub = CreatePopupMenu();
            BuildMenu(sub, *item, ownerDraw, tidy, all);
            AppendMenuA(menu, flags | MF_POPUP | (drawn ? MF_OWNERDRAW : MF_STRING), reinterpret_cast<UINT_PTR>(sub),
                        drawn ? reinterpret_cast<LPCSTR>(item) : text.c_str());
            continue;
        }
        all.push_back(item);
        const UINT_PTR id = all.size();
        AppendMenuA(menu, flags | (drawn ? MF_OWNERDRAW : MF_STRING), id, drawn ? reinterpret_cast<LPCSTR>(item) : text.c_str());
        if (item->Default()) SetMenuDefaultItem(menu, static_cast<UINT>(id), FALSE);
    }
}

}  // namespace

const TClassInfo& TMenuItem::StaticClass() {
    static const auto info = TClassBuilder<TMenuItem>("TMenuItem", TComponent::StaticClass())
                                 .Creatable()
                                 .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                 .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                 .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                 .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                 .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                                 .Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                                 .Int("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                 .Str("Hint", &TMenuItem::Hint, &TMenuItem::SetHint)
                                 .Ref<TAction>("Action", &TMenuItem::Action, &TMenuItem::SetAction)
                                 .Event("OnClick", &TMenuItem::OnClick)
                                 .Event("OnDrawItem", &TMenuItem::OnDrawItem)
                                 .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
                                 .Build();
    return *info;
}

const TClassInfo& TMenu::StaticClass() {
    static const auto info = TClassBuilder<TMenu>("TMenu", TComponent::StaticClass())
                                 .Ref<TCustomImageList>("Images", &TMenu::Images, &TMenu::SetImages)
                                 .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                 .Enum<TMenuAutoFlag>("AutoLineReduction", &TMenu::AutoLineReduction, &TMenu::SetAutoLineReduction, kMenuAutoFlagNames)
                                 .Build();
    return *info;
}

const TClassInfo& TPopupMenu::StaticClass() {
    static const auto info = TClassBuilder<TPopupMenu>("TPopupMenu", TMenu::StaticClass())
                                 .Creatable()
                                 .Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup)
                                 .Event("OnPopup", &TPopupMenu::OnPopup)
                                 .Build();
    return *info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) { LiveItems().insert(this); }

TMenuItem::~TMenuItem() {
    LiveItems().erase(this);
    Destroying();
    while (!items_.empty()) Free(items_.back());
    if (parent_) parent_->Remove(this);
    if (action_) action_->UnregisterClient(this);
}

void TMenuItem::SetAction(TAction* action) {
    if (action == action_) return;
    if (action_) action_->UnregisterClient(this);
    action_ = action;
    if (action) {
        action->RegisterClient(this);
        ActionChanged(*action);
    }
}

void TMenuItem::ActionChanged(TAction& action) {
    caption_ = action.Caption();
    enabled_ = action.Enabled();
    visible_ = action.Visible();
    checked_ = action.Checked();
    imageIndex_ = action.ImageIndex();
    shortCut_ = action.ShortCut();
    hint_ = action.Hint();
}

void TMenuItem::ActionFreed(TAction& action) {
    if (&action == action_) action_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_) item->parent_->Remove(item);
    item->parent_ = this;
    items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    if (item->parent_ == this) item->parent_ = nullptr;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    if (auto* item = dynamic_cast<TMenuItem*>(parent)) item->Add(this);
    else if (auto* menu = dynamic_cast<TMenu*>(parent)) menu->Items()->Add(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (parent_ && parent_->menu_) return parent_->menu_;
    return parent_;
}

TMenu* TMenuItem::Menu() const {
    const TMenuItem* item = this;
    while (item->parent_) item = item->parent_;
    return item->menu_;
}

void TMenuItem::Click() {
    if (action_) {
        action_->Update();
        action_->Execute();
    } else {
        OnClick(this);
    }
}

void TMenuItem::DrawItem(TCanvas& canvas, const TRect& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, canvas, rect, selected);
        return;
    }
    canvas.SetBrushColor(selected ? clHighlight : clMenu);
    canvas.FillRect(rect);
    canvas.Font().SetColor(!enabled_ ? clGrayText : selected ? clHighlightText : clMenuText);
    TMenu* menu = Menu();
    if (menu && menu->Images() && imageIndex_ >= 0)
        menu->Images()->Draw(canvas, rect.left + 2, rect.top + (rect.Height() - menu->Images()->Height()) / 2, imageIndex_, enabled_);
    TRect text = rect;
    text.left += 24;
    canvas.TextRect(text, caption_, DT_SINGLELINE | DT_VCENTER);
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
    width = canvas.TextWidth(caption_) + 40;
    height = std::max(20, canvas.TextHeight(caption_) + 6);
    TMenu* menu = Menu();
    if (menu && menu->Images()) height = std::max(height, menu->Images()->Height() + 4);
    OnMeasureItem(this, canvas, width, height);
}

bool TMenuItem::HandleOwnerDraw(TMessage& m) {
    if (m.msg == WM_MEASUREITEM) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lParam);
        auto* item = reinterpret_cast<TMenuItem*>(measure->itemData);
        if (measure->CtlType != ODT_MENU || !LiveItems().count(item)) return false;
        const TScreenDC screen;
        TCanvas canvas(screen.Handle());
        int width = 0, height = 0;
        item->MeasureItem(canvas, width, height);
        measure->itemWidth = static_cast<UINT>(width);
        measure->itemHeight = static_cast<UINT>(height);
        m.result = TRUE;
        return true;
    }
    auto* draw = reinterpret_cast<DRAWITEMSTRUCT*>(m.lParam);
    auto* item = reinterpret_cast<TMenuItem*>(draw->itemData);
    if (draw->CtlType != ODT_MENU || !LiveItems().count(item)) return false;
    TCanvas canvas(draw->hDC);
    item->DrawItem(canvas, {draw->rcItem.left, draw->rcItem.top, draw->rcItem.right, draw->rcItem.bottom},
                   (draw->itemState & ODS_SELECTED) != 0);
    m.result = TRUE;
    return true;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(nullptr) { items_.menu_ = this; }

TMenu::~TMenu() { Destroying(); }

void TMenu::SetImages(TCustomImageList* images) {
    if (images_) RemoveFreeNotification(images_);
    images_ = images;
    if (images) FreeNotification(images);
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::Remove && component == images_) images_ = nullptr;
}

std::function<TMenuItem*(TPopupMenu&, int, int)>& TPopupMenu::PopupHook() {
    static std::function<TMenuItem*(TPopupMenu&, int, int)> hook;
    return hook;
}

void TPopupMenu::Popup(int x, int y) {
    OnPopup(this);
    // Let each action-linked item take its action's current state.
    std::vector<TMenuItem*> pending{Items()};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item->Action()) item->Action()->Update();
        for (int i = 0; i < item->Count(); ++i) pending.push_back(item->Items(i));
    }
    TMenuItem* chosen = nullptr;
    if (PopupHook()) {
        chosen = PopupHook()(*this, x, y);
    } else {
        std::vector<TMenuItem*> all;
        TMenuHandle menu(CreatePopupMenu());
        BuildMenu(menu.Get(), *Items(), OwnerDraw(), AutoLineReduction() == TMenuAutoFlag::Automatic, all);
        HWND owner = Application() ? Application()->Handle() : nullptr;
        if (auto* control = dynamic_cast<TControl*>(popupComponent_); control && control->HandleAllocated())
            owner = control->Handle();
        SetForegroundWindow(owner);
        const UINT id = TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, owner, nullptr);
        if (id >= 1 && id <= all.size()) chosen = all[id - 1];
    }
    if (chosen) chosen->Click();
}

}  // namespace cl
