#pragma once
// The Windows open and save dialogs as components, and the seam through which tests answer
// them instead of a person.

#include <functional>
#include <string>

#include "classlib/core/Component.h"
#include "classlib/core/StringList.h"

namespace cl {

enum TOpenOption : unsigned {
    ofAllowMultiSelect = 1,
    ofFileMustExist = 2,
    ofPathMustExist = 4,
    ofOverwritePrompt = 8,
    ofHideReadOnly = 16,
    ofNoChangeDir = 32,
};

enum class TFileDialogKind { Open, Save };

class TOpenDialog : public TComponent {
    CL_CLASS_INFO()
public:
    explicit TOpenDialog(TComponent* owner) : TOpenDialog(owner, TFileDialogKind::Open) {}

    TFileDialogKind Kind() const { return kind_; }

    // "Description|*.ext;*.ext2|Description 2|*.*"
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    // 1-based; after Execute, the filter the user chose.
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    // The file shown at first; after Execute, the (first) chosen file.
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& fileName) { fileName_ = fileName; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& folder) { initialDir_ = folder; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // Added to a typed name without an extension (given without the dot).
    const std::string& DefaultExt() const { return defaultExt_; }
    void SetDefaultExt(const std::string& extension) { defaultExt_ = extension; }
    // TOpenOption bits.
    unsigned Options() const { return options_; }
    void SetOptions(unsigned options) { options_ = options; }

    // After Execute: every chosen file as a full path, in the dialog's order.
    TStringList* Files() { return &files_; }

    // Shows the dialog; true when the user chose a file. Raises Exception when the dialog
    // fails, among others when more files were chosen than fit its buffer.
    bool Execute();

protected:
    TOpenDialog(TComponent* owner, TFileDialogKind kind) : TComponent(owner), kind_(kind) {}

private:
    bool ShowCommonDialog();

    TFileDialogKind kind_;
    std::string filter_;
    int filterIndex_ = 1;
    std::string fileName_;
    std::string initialDir_;
    std::string title_;
    std::string defaultExt_;
    unsigned options_ = ofHideReadOnly;
    TStringList files_;
};

class TSaveDialog : public TOpenDialog {
    CL_CLASS_INFO()
public:
    explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner, TFileDialogKind::Save) {}
};

// Test seam: while set, execute replaces the Windows dialog for every open and save dialog
// (Kind tells them apart). It reads the dialog's settings, sets FileName and Files as the
// user's choice would, and returns what Execute returns.
struct TFileDialogHooks {
    std::function<bool(TOpenDialog& dialog)> execute;
};
TFileDialogHooks& FileDialogHooks();

}  // namespace cl
