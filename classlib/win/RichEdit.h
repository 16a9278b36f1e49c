#pragma once
// A multi-line rich edit used as a plain-text editor: its lines as a string list, the
// modified flag, the clipboard commands and text search.

#include <windows.h>
#include <commdlg.h>  // its FindText macro renames ours consistently for every user

#include <memory>
#include <string>

#include "classlib/core/StringList.h"
#include "classlib/win/Control.h"
#include "classlib/win/RichEditDisposal.h"

namespace cl {

class TRichEdit;

enum class TScrollStyle { None, Horizontal, Vertical, Both };
enum TSearchType : unsigned { stWholeWord = 1, stMatchCase = 2 };

// The lines of a rich edit, read from and written to its window (or kept until it exists).
class TRichEditStrings : public TStrings {
public:
    explicit TRichEditStrings(TRichEdit& edit) : edit_(edit) {}
    int Count() const override;
    std::string Get(int index) const override;
    void Insert(int index, const std::string& text) override;
    // Appends at the end of the window's text, without reading it all first.
    int Add(const std::string& text) override;
    void Delete(int index) override;
    void Clear() override;
    void BeginUpdate() override;
    void EndUpdate() override;
    // Whole-text reads and writes go to the window at once.
    std::string AllText() const;
    void SetAllText(const std::string& text);

private:
    TRichEdit& edit_;
    int updates_ = 0;
};

class TRichEdit : public TControl {
    CL_CLASS_INFO()
public:
    explicit TRichEdit(TComponent* owner);
    ~TRichEdit() override;

    TRichEditStrings* Lines() { return &lines_; }
    // The whole text with CR LF line ends.
    std::string WholeText();
    void SetWholeText(const std::string& text);
    // Adds text at the end as a part of loading the text: the user's selection and view stay,
    // and the addition is no change to undo or to save (the modified flag stays as it was).
    void AppendLoadedText(const std::string& text);

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle v);
    bool PlainText() const { return plainText_; }
    void SetPlainText(bool v);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v);
    bool Modified();
    void SetModified(bool v);
    int SelStart();
    void SetSelStart(int v);
    int SelLength();
    void SetSelLength(int v);

    void Clear();
    void SelectAll();
    void CutToClipboard();
    void CopyToClipboard();
    void PasteFromClipboard();
    // The position of text within [start, start + length), or -1.
    int FindText(const std::string& text, int start, int length, unsigned options);

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    bool CommandNotification(WORD code) override;

private:
    friend class TRichEditStrings;
    // Replaces the window by a new one in its place, holding pendingText_; the old one goes
    // to disposal_.
    void RenewWindow();
    TRichEditStrings lines_;
    TRichEditDisposal disposal_;
    std::string pendingText_;  // the text until the window exists
    bool readOnly_ = false;
    bool wordWrap_ = true;
    TScrollStyle scrollBars_ = TScrollStyle::None;
    bool plainText_ = false;
    bool hideSelection_ = true;
    bool modified_ = false;
};

}  // namespace cl
