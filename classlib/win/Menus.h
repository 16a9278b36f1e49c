#pragma once
// Menu items and popup menus. Items nest; an item linked to an action shows the action's
// caption and state and runs it when clicked. Owner-drawn items paint through OnDrawItem.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"
#include "classlib/core/Geometry.h"
#include "classlib/win/Actions.h"

namespace cl {

class TCanvas;
class TCustomImageList;
struct TMessage;

using TDrawItemEvent = TEvent<TObject*, TCanvas&, TRect, bool>;
using TMeasureItemEvent = TEvent<TObject*, TCanvas&, int&, int&>;

class TMenuItem : public TComponent, public TActionClient {
    CL_CLASS_INFO()
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v) { caption_ = v; }
    bool Checked() const { return checked_; }
    void SetChecked(bool v) { checked_ = v; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v) { enabled_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v) { visible_ = v; }
    bool Default() const { return default_; }
    void SetDefault(bool v) { default_ = v; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v) { imageIndex_ = v; }
    int ShortCut() const { return shortCut_; }
    void SetShortCut(int v) { shortCut_ = v; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v) { hint_ = v; }
    TAction* Action() const { return action_; }
    void SetAction(TAction* action);

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TMenuItem* Parent() const { return parent_; }
    void Add(TMenuItem* item);
    void Remove(TMenuItem* item);
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    // Runs the action, or OnClick when there is none.
    void Click();

    TNotifyEvent OnClick;
    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

    // WM_DRAWITEM / WM_MEASUREITEM for an owner-drawn menu item; false when it is not ours.
    static bool HandleOwnerDraw(TMessage& message);

    void ActionChanged(TAction& action) override;
    void ActionFreed(TAction& action) override;

protected:
    void DrawItem(TCanvas& canvas, const TRect& rect, bool selected);
    void MeasureItem(TCanvas& canvas, int& width, int& height);

private:
    friend class TPopupMenu;
    friend class TMenu;
    class TMenu* Menu() const;

    std::string caption_;
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    bool default_ = false;
    int imageIndex_ = -1;
    int shortCut_ = 0;
    std::string hint_;
    TAction* action_ = nullptr;
    TMenuItem* parent_ = nullptr;
    class TMenu* menu_ = nullptr;  // set on the root item of a menu
    std::vector<TMenuItem*> items_;
};

// Whether a menu tidies its separators itself (automatic) or shows them as its items say.
enum class TMenuAutoFlag { Automatic, Manual };

class TMenu : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    TMenuItem* Items() { return &items_; }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool v) { ownerDraw_ = v; }
    TMenuAutoFlag AutoLineReduction() const { return autoLineReduction_; }
    void SetAutoLineReduction(TMenuAutoFlag v) { autoLineReduction_ = v; }

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    TMenuItem items_;
    TCustomImageList* images_ = nullptr;
    bool ownerDraw_ = false;
    TMenuAutoFlag autoLineReduction_ = TMenuAutoFlag::Automatic;
};

class TPopupMenu : public TMenu {
    CL_CLASS_INFO()
public:
    explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

    // Shows the menu at a screen point and runs the item chosen, if any.
    void Popup(int x, int y);
    TComponent* PopupComponent() const { return popupComponent_; }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool v) { autoPopup_ = v; }

    TNotifyEvent OnPopup;

    // Test seam: while set, it picks the item instead of a person (or null for none).
    static std::function<TMenuItem*(TPopupMenu& menu, int x, int y)>& PopupHook();

private:
    TComponent* popupComponent_ = nullptr;
    bool autoPopup_ = true;
};

}  // namespace cl
