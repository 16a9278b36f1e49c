#pragma once
// The library's combo box: the framing model of the framed controls (colours that follow focus
// and the enabled state, a frame controller, hot tracking), with the frame and an optional flat
// drop-down button drawn over the native border; a type-ahead search for the list styles in
// place of the native one-letter search, and an inline auto-completion from the items for the
// editable style; Enter as Tab; a read-only state that neither types nor opens; and wheel
// steps through the items while the list is closed.

#include <set>
#include <string>

#include "classlib/core/Event.h"
#include "classlib/win/Control.h"
#include "controls/basic/MwFramedControl.h"

enum class TComboBoxStyle { DropDown, Simple, DropDownList, OwnerDrawFixed, OwnerDrawVariable };

class TMwCustomComboBox : public TMwFramedControl<cl::TControl> {
    CL_CLASS_INFO()
public:
    // The type-ahead search string is cleared this long after the last key.
    static constexpr UINT kTypeAheadMilliseconds = 1500;
    static constexpr UINT_PTR kTypeAheadTimer = 1;

    explicit TMwCustomComboBox(cl::TComponent* owner);

    TMwAboutInfo About() const { return TMwAboutInfo::MerrowComponents; }
    void SetAbout(TMwAboutInfo) {}

    int ItemCount();
    std::string Items(int index);
    int AddItem(const std::string& text, LPARAM data = 0);
    void InsertItem(int index, const std::string& text, LPARAM data = 0);
    // An item whose data is an object of the caller's (not owned).
    int AddObject(const std::string& text, cl::TObject* object);
    void InsertObject(int index, const std::string& text, cl::TObject* object);
    void DeleteItem(int index);
    LPARAM ItemData(int index);
    // The object of an item added with AddObject or InsertObject; null for any other item.
    cl::TObject* Objects(int index);
    int ItemIndex();
    void SetItemIndex(int index);
    // The first item that starts with text, without regard to case; -1 when none does.
    virtual int FindString(const std::string& text);
    // The item of exactly this text, or -1.
    int IndexOfItem(const std::string& text);
    bool DroppedDown();
    void SetDroppedDown(bool v);
    // What has been typed since the last pause (list styles), or the typed part of the text
    // that auto-completion completes (editable style).
    const std::string& SearchText() const { return search_; }
    // Typed text that matches no item stays (else the key is refused with a beep), and the
    // edit's text may be pasted, cut and deleted in part.
    bool AllowFreeText() const { return allowFreeText_; }
    void SetAllowFreeText(bool v) { allowFreeText_ = v; }
    // Auto-completion writes the rest of the matching item into the text instead of selecting
    // the item.
    bool CompleteInEdit() const { return completeInEdit_; }
    void SetCompleteInEdit(bool v) { completeInEdit_ = v; }
    // Editable style: the longest text that can be typed (0: no limit); a key beyond it is
    // refused with a beep.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    // Sets the text without auto-completing it.
    void SetTextSilently(const std::string& text);

    bool BeepOnInvalidKey() const { return beepOnInvalidKey_; }
    void SetBeepOnInvalidKey(bool v) { beepOnInvalidKey_ = v; }
    bool ReadOnly() const { return readOnly_; }
    virtual void SetReadOnly(bool v);
    bool TabOnEnter() const { return tabOnEnter_; }
    void SetTabOnEnter(bool v) { tabOnEnter_ = v; }
    int DropDownWidth() const { return dropDownWidth_; }
    virtual void SetDropDownWidth(int v);
    bool FlatButtons() const { return flatButtons_; }
    virtual void SetFlatButtons(bool v);
    cl::TColor FlatButtonColor() const { return flatButtonColor_; }
    virtual void SetFlatButtonColor(cl::TColor v);
    bool AutoDropDown() const { return autoDropDown_; }
    void SetAutoDropDown(bool v) { autoDropDown_ = v; }
    int DropDownCount() const { return dropDownCount_; }
    void SetDropDownCount(int v);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool v);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle v);
    int ItemHeight() const { return itemHeight_; }
    // Takes effect for the owner-drawn styles only.
    virtual void SetItemHeight(int v);

    // The window's height includes the open list, which Windows keeps out of the bounds.
    void SetBounds(int left, int top, int width, int height) override;

    cl::TNotifyEvent OnChange;
    cl::TNotifyEvent OnDropDown;
    cl::TNotifyEvent OnCloseUp;
    // The user confirmed a choice in the list (Enter or a click on an item), or left the list
    // without one.
    cl::TNotifyEvent OnSelectionConfirmed;
    cl::TNotifyEvent OnSelectionCancelled;
    // An item that carries data is being deleted (one at a time, also when the list is
    // emptied); its data is cleared afterwards.
    cl::TEvent<cl::TObject*, LPARAM> OnDeleteItem;
    // Editable style: the focus left with a text that is not one of the items.
    cl::TEvent<cl::TObject*, const std::string&> OnExitUnlistedText;
    // Auto-completion completed the typed text from an item.
    cl::TNotifyEvent OnAutoComplete;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;
    bool DrawItem(const DRAWITEMSTRUCT& item) override;
    void WndProc(cl::TMessage& message) override;
    void RepaintFrame() override;
    void UpdateFrame(bool viaMouse, bool inFocus) override;

    // Fills the list when the window is made.
    virtual void FillItems() {}
    virtual void DrawListItem(HDC dc, int index, cl::TRect r, UINT state);
    virtual void DropDown() { OnDropDown(this); }
    virtual void CloseUp();
    // The beep for a key that is refused.
    virtual void InvalidKeyBeep();
    // Selects the first item that starts with search, for the typed key; a beep when none does.
    virtual void SelectMatchingItem(const std::string& search, char key);
    // Editable style: completes search from the first item that starts with it, the caret
    // after search and the completed rest selected; false when no item does.
    virtual bool AutoCompleteText(const std::string& search);
    void ApplyListHeight();
    bool OwnerDrawn() const { return style_ == TComboBoxStyle::OwnerDrawFixed || style_ == TComboBoxStyle::OwnerDrawVariable; }
    bool ListStyle() const { return style_ != TComboBoxStyle::DropDown && style_ != TComboBoxStyle::Simple; }

private:
    static LRESULT CALLBACK EditSubclassProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                             DWORD_PTR combo);
    // The messages of the editable style's edit part.
    LRESULT EditWndProc(HWND edit, UINT msg, WPARAM wParam, LPARAM lParam);
    // The editable style's keys and characters; true when used up.
    bool EditKeyDown(HWND edit, WPARAM key);
    bool EditChar(HWND edit, WPARAM key);
    bool EditTyped(HWND edit, char key);
    bool EditBackspace(HWND edit);
    bool EditEscape();
    // Whether an editing message that would leave text of no item may go on.
    bool EditMayChangePart(HWND edit);
    // The edit's text changed by the platform (typing it let through, a paste, an undo): the
    // typed text and the matching item follow it.
    void EditChanged();
    void EditSelection(HWND edit, size_t& start, size_t& end);
    // Takes the text as the typed text unless the text is the typed text completed, with the
    // completed rest selected.
    void SyncSearch(const std::string& text, size_t start, size_t end);
    // The type-ahead keys of the list styles; true when the key was used up.
    bool TypeAheadKey(cl::TMessage& message);
    bool ReadOnlyKey(const cl::TMessage& message) const;
    void SelectAndNotify(int index);
    // Tells OnDeleteItem about the item's data and clears it.
    void ReleaseItemData(int index);
    void ForgetObject(int index);
    void Wheel(cl::TMessage& message);
    void PaintFrameAndButton();

    bool beepOnInvalidKey_ = true;
    bool readOnly_ = false;
    bool tabOnEnter_ = false;
    int dropDownWidth_ = 0;
    bool flatButtons_ = false;
    cl::TColor flatButtonColor_ = cl::clBtnFace;
    bool autoDropDown_ = false;
    int dropDownCount_ = 8;
    bool sorted_ = false;
    TComboBoxStyle style_ = TComboBoxStyle::DropDown;
    int itemHeight_ = 16;
    std::string search_;
    bool escapeClosedList_ = false;
    int wheelDelta_ = 0;
    bool allowFreeText_ = true;
    bool completeInEdit_ = false;
    int maxLength_ = 0;
    bool enterPressed_ = false;   // the next edit change keeps the typed text
    bool systemKey_ = false;      // the last key went down with Alt: its character is the edit's
    bool internalChange_ = false; // the text changes by our own hand
    std::multiset<LPARAM> objects_;
    HWND edit_ = nullptr;
};
