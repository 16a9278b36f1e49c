// The main window's search: entry names, or the contents of the archive's text entries, with
// the results as lines of the editor under a heading.

#include <memory>

#include "app/archive/ArchiveInput.h"
#include "app/archive/RFAFile.h"
#include "app/frmDoSearch.h"
#include "app/frmMainQuillon.h"
#include "app/frmSearch.h"
#include "app/search/ContentSearch.h"
#include "app/search/NameSearch.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Screen.h"
#include "controls/basic/MwEdit.h"
#include "controls/basic/MwLabel.h"
#include "controls/basic/MwMaskEdit.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"

namespace {

template <class T>
struct TFormFree {
    void operator()(T* form) const { cl::Free(form); }
};
template <class T>
using TFormPtr = std::unique_ptr<T, TFormFree<T>>;

const char kNoNameTerm[] =
    "No files have nothing in their names.  You need to supply a search value before clicking search.";
const char kNoContentTerm[] = "You need to supply a search value before clicking search.";

}  // namespace

void TfrmMainQuillon::actSearchExecute(cl::TObject*) {
    TFormPtr<TfrmSearch> dialog(cl::CreateForm<TfrmSearch>(this));
    const cl::TModalResult result = dialog->ShowModal();
    if (result == cl::mrOk) SearchNames(dialog->edtName->Text());
    else if (result == cl::mrYes) SearchContents(dialog->edtContent->Text());
}

void TfrmMainQuillon::SearchNames(const std::string& term) {
    const std::string trimmed = cl::Trim(term);
    if (trimmed.empty()) {
        cl::MessageDlg(kNoNameTerm, cl::TMsgDlgType::Information, cl::mbOK);
        return;
    }
    OfferToSaveEdit();
    const cl::TScopedCursor hourglass;
    StartSearchResults("Search Results for: File names containing: " + trimmed);
    for (const int index : quillon::FindNames(*Entries, trimmed)) AddSearchResult((*Entries)[index]);
}

void TfrmMainQuillon::SearchContents(const std::string& term) {
    // An empty term would be "found" in every file, after reading them all.
    if (term.empty()) {
        cl::MessageDlg(kNoContentTerm, cl::TMsgDlgType::Information, cl::mbOK);
        return;
    }
    uint64_t claimed = 0;
    for (int i = 0; i < Entries->Count(); ++i)
        if (!IsAddedFileAt(i) && quillon::IsContentSearchable((*Entries)[i]))
            claimed += static_cast<quillon::TRFAFile*>(Entries->Objects(i))->Size;
    if (!MayDecode(claimed, "Searching them could take very long.\r\rSearch them anyway?")) return;
    OfferToSaveEdit();
    TFormPtr<TfrmDoSearch> dialog(cl::CreateForm<TfrmDoSearch>(this));
    dialog->Term = term;
    dialog->Search = [this](TfrmDoSearch& progress) { RunSearch(progress); };
    dialog->ShowModal();
    dialog->RaiseSearchError();
}

void TfrmMainQuillon::RunSearch(TfrmDoSearch& dialog) {
    const std::string& term = dialog.Term;
    StartSearchResults("Search Results for: Files containing the text: " + term);
    // Opened at the first entry to read: a new build list has no archive, and only added files.
    const std::string archivePath = OpenDialog1->FileName();
    std::unique_ptr<cl::TFileStream> file;
    std::unique_ptr<quillon::TArchiveInput> archive;
    quillon::TDecodeBuffers buffers;
    for (int i = 0; i < Entries->Count(); ++i) {
        if (!quillon::IsContentSearchable((*Entries)[i])) continue;
        // Handling the messages lets "Stop" be noticed; the entry list is read afresh after it.
        if (dialog.StopRequested((*Entries)[i])) return;
        if (i >= Entries->Count() || !quillon::IsContentSearchable((*Entries)[i])) continue;
        const std::string entryName = (*Entries)[i];
        CurrentEntry = static_cast<quillon::TRFAFile*>(Entries->Objects(i));
        if (!archive) {
            file = std::make_unique<cl::TFileStream>(archivePath, cl::FileMode::OpenRead);
            archive = std::make_unique<quillon::TArchiveInput>(*file, archivePath);
        }
        // "Stop" is noticed inside a large entry too; the entry is then left unsearched.
        struct TStopped {};
        try {
            if (FoundInFile(*archive, buffers, term, [&dialog] {
                    if (dialog.StopRequested()) throw TStopped();
                }))
                AddSearchResult("Found search String '" + term + "' in file: " + entryName);
        } catch (const TStopped&) {
            return;
        }
    }
}

bool TfrmMainQuillon::FoundInFile(quillon::TArchiveInput& archive, quillon::TDecodeBuffers& buffers,
                                  const std::string& term, const std::function<void()>& whileReading) {
    const quillon::TContentMatch match =
        quillon::SearchEntryContents(archive, *CurrentEntry, term, whileReading, &buffers);
    CurrentEntry->SegmentCount = match.SegmentCount;
    return match.Found;
}

void TfrmMainQuillon::OfferToSaveEdit() {
    if (!rePreview->Modified()) return;
    if (cl::MessageDlg("Save your changes before viewing a new file?", cl::TMsgDlgType::Confirmation, cl::mbYesNo) == cl::mrYes)
        actSaveChangesExecute(actSaveChanges);
}

void TfrmMainQuillon::StartSearchResults(const std::string& heading) {
    // The results belong to no entry: they are shown read-only, where a save could not turn
    // them into a replacement for the entry shown before.
    ClearEditor();
    pcPreview->SetActivePage(tsCode);
    pnlViewing->SetCaption(heading);
}

void TfrmMainQuillon::AddSearchResult(const std::string& line) {
    if (MainSplitter->Percent() == 98) MainSplitter->SetPercent(75);
    rePreview->Lines()->Add(line);
    rePreview->SetModified(false);
}
