// The main window's preview: a selected file shown as text in the editor, as a picture
// (textures converted by DevIL) or offered as a sound; sound playback; and the editor's
// toolbar, whose saved edits become build additions.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/FileSystemNames.h"
#include "app/archive/CaseFold.h"
#include "app/archive/RFAFile.h"
#include "app/extraction/FileNameRules.h"
#include "app/frmMainQuillon.h"
#include "app/preview/DevILLibrary.h"
#include "app/preview/ImageConversion.h"
#include "app/preview/PreviewKind.h"
#include "app/preview/TextPieces.h"
#include "classlib/core/Exception.h"
#include "classlib/core/Stream.h"
#include "classlib/core/TextUtils.h"
#include "classlib/win/Actions.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/FileDialogs.h"
#include "classlib/win/Image.h"
#include "classlib/win/ListView.h"
#include "classlib/win/MediaPlayer.h"
#include "classlib/win/ScrollBox.h"
#include "classlib/win/Screen.h"
#include "classlib/win/Timer.h"
#include "controls/basic/MwCheckBox.h"
#include "controls/basic/MwFontComboBox.h"
#include "controls/basic/MwPanel.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwGroup.h"
#include "controls/navigation/MwPageControl.h"
#include "controls/navigation/MwSplitter.h"
#include "controls/navigation/MwTreeView.h"
#include "utils/UtFileUtils.h"

using quillon::TPreviewKind;

namespace {

std::string ReadWholeFile(const std::string& path) {
    cl::TMemoryStream stream;
    stream.LoadFromFile(path);
    return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

}  // namespace

// ---- selecting a file ----

void TfrmMainQuillon::lvFiles1SelectItem(cl::TObject*, cl::TListItem*, bool) {
    if (SelectionChangePending) return;  // the posted call shows the selection as it is then
    if (!rePreview->Modified()) {
        ShowSelectedFile();
        return;
    }
    // The edit stays while nothing else is selected: an emptied selection, or the edited file
    // selected again, asks nothing.
    const cl::TListItem* selected = lvFiles->Selected();
    if (!selected || selected == ShownItem) return;
    // Saving the edit takes the edited entry's item out of the list and adds another, while the
    // list view may still be handling the click that changed the selection: it would then
    // select whatever item has moved to the clicked place. The question waits until it is done.
    SelectionChangePending = true;
    PostMessageA(Handle(), kSelectionChangedMessage, 0, 0);
}

void TfrmMainQuillon::SelectionChangedAfterEdit() {
    SelectionChangePending = false;
    const cl::TListItem* selected = lvFiles->Selected();
    if (rePreview->Modified() && selected && selected != ShownItem) {
        // The item the user selected, known by what it shows: the save moves the list's items.
        const void* data = selected->Data();
        const std::string caption = selected->Caption();
        if (!MayLeaveEdit("Save your changes before viewing a new file?")) {
            SelectShownItem();
            return;
        }
        ShownItem = nullptr;
        if (!lvFiles->Selected() || lvFiles->Selected()->Data() != data || lvFiles->Selected()->Caption() != caption) {
            cl::TListItem* again = nullptr;
            for (int i = 0; i < lvFiles->ItemCount() && !again; ++i)
                if (lvFiles->Item(i)->Data() == data && lvFiles->Item(i)->Caption() == caption) again = lvFiles->Item(i);
            // Selecting it shows it (or nothing, when the save took its entry away).
            lvFiles->SetSelected(again);
            if (again) again->MakeVisible();
            return;
        }
    }
    ShowSelectedFile();
}

bool TfrmMainQuillon::MayLeaveEdit(const std::string& question) {
    if (!rePreview->Modified()) return true;
    switch (cl::MessageDlg(question, cl::TMsgDlgType::Confirmation, cl::mbYesNoCancel)) {
        case cl::mrYes:
            actSaveChangesExecute(actSaveChanges);
            // A save that was refused, or whose replacement the user declined, keeps the edit.
            return !rePreview->Modified();
        case cl::mrNo:
            rePreview->SetModified(false);
            return true;
        default:
            return false;
    }
}

void TfrmMainQuillon::SelectShownItem() {
    // The edited file's item, when the list still shows it (the folder may have changed since).
    cl::TListItem* shown = nullptr;
    for (int i = 0; i < lvFiles->ItemCount() && !shown; ++i)
        if (lvFiles->Item(i) == ShownItem) shown = lvFiles->Item(i);
    lvFiles->SetSelected(shown);
    if (shown) shown->MakeVisible();
}

void TfrmMainQuillon::ShowSelectedFile() {
    if (Playing) actStopWavExecute(actStopWav);
    cl::TListItem* item = lvFiles->Selected();
    // A change comes for every item when many are selected at once, while the first selected
    // item stays the one shown: that item is not extracted and loaded again each time. It is
    // after the selection was empty (the user's way to show a file anew) or an edit of it
    // was dropped.
    const bool shown = item && item == ShownItem;
    ShownItem = nullptr;
    if (!item) return;
    if (quillon::TRFAFile* entry = ItemEntry(item)) PreviewArchiveEntry(entry, shown);
    else if (!shown) PreviewAddedFile(item->Caption());
    ShownItem = item;
}

void TfrmMainQuillon::PreviewAddedFile(const std::string& caption) {
    const std::string source = AddedFileSource(caption);
    if (source.empty()) return;
    ForgetSound();
    const std::string name = cl::ExtractFileName(source);
    switch (quillon::PreviewKindOf(source)) {
        case TPreviewKind::Sound:
            CurrentWav = source;
            OfferSound(source);
            return;
        case TPreviewKind::Picture:
            if (InitImageLibrary()) ShowPicture(source, name);
            else ShowNoPicture(name);
            return;
        case TPreviewKind::Text:
            if (optPreview) {
                if (ut::FileSizeOrMinusOne(source) > quillon::kMaxPreviewSize) {
                    ShowTooLarge(name);
                    return;
                }
                // An added file is shown, not edited: its edits would have no entry to replace.
                ShowText(ReadWholeFile(source), name, false);
                return;
            }
            break;
        case TPreviewKind::None:
            break;
    }
    ShowNoPreview(source);
}

void TfrmMainQuillon::PreviewArchiveEntry(quillon::TRFAFile* entry, bool alreadyShown) {
    CurrentEntry = entry;
    if (alreadyShown) return;
    ForgetSound();
    const std::string fileName = CurrentEntry->FileName;
    const std::string shownPath = tvFolders->GetPathFromNode(tvFolders->Selected()) + fileName;
    switch (quillon::PreviewKindOf(fileName)) {
        case TPreviewKind::Sound:
            CurrentWav = fileName;
            CurrentWavFile = entry;
            actPlayWav->SetHint("Play: " + fileName);
            actStopWav->SetHint("Stop: " + fileName);
            OfferSound(shownPath);
            return;
        case TPreviewKind::Picture: {
            if (!InitImageLibrary()) {
                ShowNoPicture(shownPath);
                return;
            }
            if (CurrentEntry->Size > quillon::kMaxPreviewSize) {
                ShowTooLarge(shownPath);
                return;
            }
            const std::string source = TempFolder() + "\\preview" + cl::ExtractFileExt(fileName);
            {
                const cl::TScopedCursor hourglass;
                ExtractEntry(source);
            }
            ShowPicture(source, shownPath);
            DeleteFileA(source.c_str());
            return;
        }
        case TPreviewKind::Text:
            if (optPreview) {
                if (CurrentEntry->Size > quillon::kMaxPreviewSize) {
                    ShowTooLarge(shownPath);
                    return;
                }
                std::string text;
                {
                    const cl::TScopedCursor hourglass;
                    text = DecodeEntryText();
                }
                // An entry whose name is no file name could not keep its edits: it is shown only.
                const bool editable = quillon::SafeRelativePath(CurrentFolder + fileName, quillon::FileSystemNameRules()).has_value();
                if (ShowText(std::move(text), shownPath, editable) && editable) {
                    EditedFolder = CurrentFolder;
                    EditedFileName = fileName;
                }
                return;
            }
            break;
        case TPreviewKind::None:
            break;
    }
    ShowNoPreview(fileName);
}

quillon::TRFAFile* TfrmMainQuillon::ItemEntry(const cl::TListItem* item) {
    return item ? static_cast<quillon::TRFAFile*>(item->Data()) : nullptr;
}

int TfrmMainQuillon::ItemEntryIndex(const cl::TListItem* item) const {
    if (!item) return -1;
    if (const quillon::TRFAFile* entry = ItemEntry(item)) return Entries->IndexOfObject(entry);
    // A folder holds one added file of a name, whatever case its folder is spelt in.
    const std::string name = CurrentFolder + item->Caption();
    for (int i = 0; i < Entries->Count(); ++i)
        if (IsAddedFileAt(i) && quillon::EqualsIgnoringCase((*Entries)[i], name)) return i;
    return -1;
}

std::string TfrmMainQuillon::AddedFileSource(const std::string& caption) {
    const std::string name = CurrentFolder + caption;
    int index = -1;
    for (int i = 0; i < Entries->Count() && index < 0; ++i)
        if (IsAddedFileAt(i) && quillon::EqualsIgnoringCase((*Entries)[i], name)) index = i;
    if (index < 0) return std::string();
    const intptr_t sourceDir = Entries->Integers(index);
    if (sourceDir < 0 || sourceDir >= SourceDirs->Count()) return std::string();
    return (*SourceDirs)[static_cast<int>(sourceDir)] + cl::StringReplace(caption, "*", "");
}

// ---- the two pages ----

bool TfrmMainQuillon::ShowText(std::string text, const std::string& shownPath, bool editable) {
    EditedFolder.clear();
    EditedFileName.clear();
    // The editor ends its text at a zero byte: a file with one is shown whole but not for
    // editing, since saving would cut it short there.
    const bool binary = text.find('\0') != std::string::npos;
    std::replace(text.begin(), text.end(), '\0', ' ');
    StartTextFill(std::move(text), editable && !binary);
    pcPreview->SetActivePage(tsCode);
    pnlViewing->SetCaption("Currently Viewing: " + shownPath);
    if (MainSplitter->Percent() == 98) MainSplitter->SetPercent(75);
    return editable && !binary;
}

void TfrmMainQuillon::StartTextFill(std::string text, bool editable) {
    StopTextFill();
    const size_t firstEnd = quillon::TextPieceEnd(text, 0, quillon::kFirstTextPieceSize);
    rePreview->SetReadOnly(true);
    rePreview->Lines()->BeginUpdate();
    rePreview->Lines()->SetAllText(text.substr(0, firstEnd));
    rePreview->Lines()->EndUpdate();
    rePreview->SetModified(false);
    if (firstEnd == text.size()) {
        rePreview->SetReadOnly(!editable);
        return;
    }
    TextToFill = std::move(text);
    TextFilled = firstEnd;
    TextFillEditable = editable;
    if (!TextFillTimer) {
        TextFillTimer = new cl::TTimer(this);
        TextFillTimer->SetInterval(1);
        TextFillTimer->SetOnTimer(cl::TNotifyEvent(this, &TfrmMainQuillon::TextFillTimerTick));
    }
    TextFillTimer->SetEnabled(true);
}

void TfrmMainQuillon::StopTextFill() {
    if (TextFillTimer) TextFillTimer->SetEnabled(false);
    TextToFill.clear();
    TextToFill.shrink_to_fit();
    TextFilled = 0;
}

void TfrmMainQuillon::TextFillTimerTick(cl::TObject*) {
    if (TextToFill.empty()) {
        StopTextFill();
        return;
    }
    const size_t end = quillon::TextPieceEnd(TextToFill, TextFilled);
    rePreview->AppendLoadedText(TextToFill.substr(TextFilled, end - TextFilled));
    TextFilled = end;
    if (TextFilled < TextToFill.size()) return;
    const bool editable = TextFillEditable;
    StopTextFill();
    rePreview->SetReadOnly(!editable);
}

void TfrmMainQuillon::ShowPicture(const std::string& source, const std::string& shownPath) {
    if (ut::FileSizeOrMinusOne(source) > quillon::kMaxPreviewSize) {
        ShowTooLarge(shownPath);
        return;
    }
    const cl::TScopedCursor hourglass;
    pnlViewing->SetCaption("Currently Viewing: " + shownPath);
    const std::string bitmap = TempFolder() + "\\preview.bmp";
    if (!quillon::ConvertToBitmap(ImageLibrary->Calls(), source, bitmap)) {
        // Never the previous file's picture or text under this file's name.
        ShowNoPicture(shownPath);
        return;
    }
    ScrollBox1->ScrollTo(0, 0);
    imgPreview->Picture()->LoadFromFile(bitmap);
    DeleteFileA(bitmap.c_str());
    FitPreviewImage();
    pcPreview->SetActivePage(tsGraphic);
}

void TfrmMainQuillon::ShowNoPicture(const std::string& shownPath) {
    ClearPreview();
    pcPreview->SetActivePage(tsGraphic);
    pnlViewing->SetCaption("Cannot preview: " + shownPath);
}

void TfrmMainQuillon::ShowTooLarge(const std::string& shownPath) {
    ClearPreview();
    pnlViewing->SetCaption("Too large to preview: " + shownPath);
}

void TfrmMainQuillon::ShowNoPreview(const std::string& name) {
    ForgetSound();
    actPlayWav->SetEnabled(false);
    ClearPreview();
    pnlViewing->SetCaption((optPreview ? "Cannot preview: " : "Auto preview option de-selected, cannot preview: ") + name);
}

void TfrmMainQuillon::OfferSound(const std::string& shownPath) {
    ClearPreview();
    pnlViewing->SetCaption("Sound: " + shownPath + " (\"Play Wav\" plays it)");
    // Offered at once, in an open group, as the actions' update would offer it.
    actPlayWav->SetVisible(true);
    if (!actPlayWav->Enabled()) {
        actPlayWav->SetEnabled(true);
        gbActions->Open();
    }
}

void TfrmMainQuillon::ForgetSound() {
    CurrentWav.clear();
    CurrentWavFile = nullptr;
}

void TfrmMainQuillon::ForgetShownFile() {
    ForgetSound();
    ClearPreview();
    pnlViewing->SetCaption("Currently Viewing:");
}

void TfrmMainQuillon::ClearPreview() {
    ClearEditor();
    imgPreview->Picture()->Clear();
    ScrollBox1->ScrollTo(0, 0);
    FitPreviewImage();
}

void TfrmMainQuillon::ClearEditor() {
    // An emptied editor belongs to no entry: what is typed there could not be saved anywhere.
    StopTextFill();
    rePreview->Clear();
    rePreview->SetReadOnly(true);
    rePreview->SetModified(false);
    EditedFolder.clear();
    EditedFileName.clear();
    ShownItem = nullptr;
}

void TfrmMainQuillon::tsGraphicResize(cl::TObject*) { FitPreviewImage(); }

void TfrmMainQuillon::FitPreviewImage() {
    const cl::TPicture* picture = imgPreview->Picture();
    if (picture->Bitmap())
        imgPreview->SetBounds(imgPreview->Left(), imgPreview->Top(), picture->Width(), picture->Height());
    else
        imgPreview->SetBounds(0, 0, ScrollBox1->ClientWidth(), ScrollBox1->ClientHeight());
}

bool TfrmMainQuillon::InitImageLibrary() {
    if (!ImageLibrary) {
        try {
            ImageLibrary = std::make_unique<quillon::TDevILLibrary>(ProgramFolder() + "DevIL.DLL");
        } catch (const quillon::EImageLibraryError& e) {
            // Once per run: browsing past textures should not mean a message box for each.
            if (!ImageLibraryReported) {
                ImageLibraryReported = true;
                cl::MessageDlg(e.what(), cl::TMsgDlgType::Warning, cl::mbOK);
            }
            return false;
        }
    }
    ImageLibrary->Calls().ilInit();
    return true;
}

// ---- sound ----

void TfrmMainQuillon::actPlayWavExecute(cl::TObject*) {
    const std::string tempWav = TempFolder() + "\\temp.wav";
    // An archive sound is told apart by its entry: sounds of the same name, in different
    // folders or in one, are different sounds.
    const bool sameSound = LastWav == CurrentWav && LastWavFile == CurrentWavFile;
    if (sameSound && ut::FileIsPresent(tempWav) && MediaPlayer1->IsOpen()) {
        MediaPlayer1->Rewind();
        MediaPlayer1->Play();
    } else {
        // Until "temp.wav" holds this sound.
        LastWav.clear();
        LastWavFile = nullptr;
        MediaPlayer1->Close();
        {
            const cl::TScopedCursor hourglass;
            if (!CurrentWavFile) {
                if (!CopyFileA(CurrentWav.c_str(), tempWav.c_str(), FALSE))
                    throw cl::EFOpenError("Cannot copy \"" + CurrentWav + "\" to \"" + tempWav + "\" (error " +
                                          cl::IntToStr(GetLastError()) + ")");
            } else {
                CurrentEntry = CurrentWavFile;
                if (!MayDecode(CurrentEntry->Size, "Writing it could fill the disk.\r\rPlay it anyway?")) return;
                // A long sound is written with progress and "Stop", as an extraction is.
                std::vector<std::string> failed;
                if (!WriteEntries({{CurrentWav, CurrentEntry, tempWav}}, failed)) return;
                if (!failed.empty()) throw cl::Exception(failed.front());
            }
        }
        LastWav = CurrentWav;
        LastWavFile = CurrentWavFile;
        MediaPlayer1->SetFileName(tempWav);
        cl::Application()->ProcessMessages();
        MediaPlayer1->SetNotify(true);
        MediaPlayer1->Open();
        MediaPlayer1->Play();
    }
    ShowSoundAction(actStopWav, 5);
}

void TfrmMainQuillon::actStopWavExecute(cl::TObject*) {
    if (MediaPlayer1->IsOpen()) {
        MediaPlayer1->Stop();
        MediaPlayer1->Rewind();
    }
    ShowSoundAction(actPlayWav, 4);
}

void TfrmMainQuillon::MediaPlayer1Notify(cl::TObject*) {
    if (Playing) {
        Playing = false;
        ShowSoundAction(actPlayWav, 4);
    } else {
        Playing = true;
    }
    cl::Application()->ProcessMessages();
}

void TfrmMainQuillon::actPlayWavUpdate(cl::TObject*) {
    if (!Playing && !CurrentWav.empty()) {
        actPlayWav->SetVisible(true);
        if (!actPlayWav->Enabled()) {
            actPlayWav->SetEnabled(true);
            gbActions->Open();
        }
    } else {
        actPlayWav->SetEnabled(false);
        actPlayWav->SetHint("");
        actStopWav->SetHint("");
        actPlayWav->SetVisible(false);
    }
}

void TfrmMainQuillon::actStopWavUpdate(cl::TObject*) { actStopWav->SetEnabled(Playing); }

void TfrmMainQuillon::ShowSoundAction(cl::TAction* action, int imageIndex) {
    TMwGroupItem* item = gbActions->Items()->Items(0);
    item->SetAction(action);
    item->SetImageIndex(imageIndex);
}

// ---- the editor ----

void TfrmMainQuillon::actSaveChangesExecute(cl::TObject*) {
    if (EditedFileName.empty()) {
        rePreview->SetModified(false);
        return;
    }
    // The names come from the archive: one that would lead out of the edits folder, or that
    // the build could not stage, is refused.
    if (!quillon::SafeRelativePath(EditedFolder + EditedFileName, quillon::FileSystemNameRules())) {
        cl::MessageDlg("Your changes cannot be saved: \"" + EditedFolder + EditedFileName +
                           "\" is not a name a file can have.",
                       cl::TMsgDlgType::Error, cl::mbOK);
        return;
    }
    // Each save in a folder of its own: edits of files of one name in different folders, or of
    // names the file system takes for one (letters that differ in case beyond ASCII), never
    // share a file, and an edit saved before keeps its text when the user keeps it.
    const std::string path = TempFolder() + "\\edits\\" + cl::IntToStr(++SavedEdits) + "\\" + EditedFileName;
    ut::CreateFolderPath(cl::ExtractFilePath(path));
    // Exactly the text the user sees, each line ended as the editor ends it (CR LF).
    const std::string text = rePreview->WholeText();
    {
        cl::TFileStream file(path, cl::FileMode::Create);
        file.WriteBuffer(text.data(), text.size());
        file.Flush();
    }
    // Only now: an edit that could not be written is still offered for saving, as is one
    // whose replacement of the entry the user declined.
    rePreview->SetModified(false);
    if (!AddFileToBuildFolder(EditedFolder, path)) rePreview->SetModified(true);
}

void TfrmMainQuillon::actSaveChangesUpdate(cl::TObject*) { actSaveChanges->SetEnabled(rePreview->Modified()); }

void TfrmMainQuillon::actOpenTextExecute(cl::TObject*) {
    if (OpenDialog2->Execute()) {
        StopTextFill();
        rePreview->Lines()->SetAllText(ReadWholeFile(OpenDialog2->FileName()));
        // The loaded text is a change to the entry: it is offered for saving like typed text.
        rePreview->SetModified(true);
    }
    actSaveChanges->SetEnabled(true);
}

void TfrmMainQuillon::actOpenTextUpdate(cl::TObject*) { actOpenText->SetEnabled(!rePreview->ReadOnly()); }

void TfrmMainQuillon::actCutExecute(cl::TObject*) { rePreview->CutToClipboard(); }

void TfrmMainQuillon::actCopyExecute(cl::TObject*) { rePreview->CopyToClipboard(); }

void TfrmMainQuillon::Cut1Click(cl::TObject*) { rePreview->CopyToClipboard(); }

void TfrmMainQuillon::actPasteExecute(cl::TObject*) { rePreview->PasteFromClipboard(); }

void TfrmMainQuillon::actCutUpdate(cl::TObject*) {
    const bool selection = rePreview->SelLength() != 0;
    actCut->SetEnabled(selection);
    actCopy->SetEnabled(selection);
}

void TfrmMainQuillon::actPasteUpdate(cl::TObject*) { actPaste->SetEnabled(IsClipboardFormatAvailable(CF_TEXT)); }

void TfrmMainQuillon::MwFontComboBox1Change(cl::TObject*) {
    if (const cl::TFont* font = MwFontComboBox1->SelectedFont()) rePreview->Font()->Assign(*font);
}

void TfrmMainQuillon::cbFontsClick(cl::TObject*) {
    MwFontComboBox1->SetFontType(cbFonts->Checked() ? TMwFontType::FixedPitch : TMwFontType::All);
}
