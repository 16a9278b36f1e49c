#pragma once
// Actions: user commands with a caption, an image, enabled and visible states and execute and
// update handlers. Buttons, menu items and group items link to an action and follow its state;
// update handlers run when the program is idle.

#include <string>
#include <vector>

#include "classlib/core/Component.h"
#include "classlib/core/Event.h"

namespace cl {

class TAction;
class TActionList;
class TCustomImageList;

// A key with its modifiers: the virtual-key code plus these bits.
using TShortCut = unsigned;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
TShortCut ShortCutFromKey(unsigned short key, unsigned shiftState);

// Something that shows an action: told when the action changes or dies.
class TActionClient {
public:
    virtual void ActionChanged(TAction& action) = 0;
    virtual void ActionFreed(TAction& action) = 0;

protected:
    ~TActionClient() = default;
};

class TAction : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TAction(TComponent* owner) : TComponent(owner) {}
    ~TAction() override;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int v);
    int ShortCut() const { return static_cast<int>(shortCut_); }
    void SetShortCut(int v);
    const std::string& Category() const { return category_; }
    void SetCategory(const std::string& v) { category_ = v; }

    TActionList* ActionList() const { return actionList_; }
    void SetActionList(TActionList* list);
    void SetParentComponent(TComponent* parent) override;
    TComponent* GetParentComponent() const override;

    // Runs OnExecute; false when the action has none or is disabled.
    bool Execute();
    // Runs OnUpdate; false when the action has none.
    bool Update();

    void RegisterClient(TActionClient* client);
    void UnregisterClient(TActionClient* client);

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

private:
    friend class TActionList;
    void Changed();

    std::string caption_;
    bool enabled_ = true;
    bool visible_ = true;
    bool checked_ = false;
    std::string hint_;
    int imageIndex_ = -1;
    TShortCut shortCut_ = 0;
    std::string category_;
    TActionList* actionList_ = nullptr;
    std::vector<TActionClient*> clients_;
};

class TActionList : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TActionList(TComponent* owner) : TComponent(owner) {}
    ~TActionList() override;

    int ActionCount() const { return static_cast<int>(actions_.size()); }
    TAction* Actions(int index) const { return actions_.at(static_cast<size_t>(index)); }
    TCustomImageList* Images() const { return images_; }
    void SetImages(TCustomImageList* images);

    void UpdateActions();
    // Executes the enabled action with this shortcut; true when there was one.
    bool ExecuteShortCut(TShortCut shortCut);

protected:
    void Notification(TComponent* component, TOperation operation) override;

private:
    friend class TAction;
    std::vector<TAction*> actions_;
    TCustomImageList* images_ = nullptr;
};

}  // namespace cl
