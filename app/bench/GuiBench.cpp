// Quillon's main window at scale, run under Wine: for archives of 1,000, 10,000 and 100,000
// entries (20 per folder, so 100,000 lie in 5,000 folders, plus one large folder holding a
// tenth of them) it times
//   open:    the window made and shown, the archive read, the tree filled and painted;
//   folder:  the largest folder selected, the file list filled and painted;
//   search:  a content search over every entry, through the progress dialog;
// and prints each with its ratio to the 1,000-entry archive, so that growth can be seen to
// be linear (a ratio near 10 and 100). Further rows show a folder of 100,000 entries, an
// archive whose one folder holds 30,000 subfolders, and the content search's throughput over
// 64 text entries of 1 MiB. The preview rows time a large text shown and then left for a
// small one, and the large text's window emptied and destroyed after that.
//
//   quillon_gui_bench [--quick | --search | --preview]
//     --quick: 1,000 and 10,000 entries only; --search: the content search's throughput only;
//     --preview: the large texts' preview only

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/QuillonClasses.h"
#include "app/frmMainQuillon.h"
#include "classlib/win/Application.h"
#include "classlib/win/Dialogs.h"
#include "classlib/win/ListView.h"
#include "controls/basic/MwRichEdit.h"
#include "controls/navigation/MwTreeView.h"
#include "tools/rfa_writer/RfaWriter.h"
#include "utils/UtStartup.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEntriesPerFolder = 20;
constexpr char kLargeFolder[] = "objects/large";       // as the archive names it
constexpr char kLargeFolderNode[] = "objects\\large";  // as the folder tree names it

std::string TempPath(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

// A small text like a real .con file: 66 bytes.
std::string SmallText(int i) {
    char text[80];
    std::snprintf(text, sizeof(text), "rem entry %07d\r\nObjectTemplate.create SimpleObject obj%07d\r\n", i, i);
    return text;
}

// count entries: a tenth in the large folder, the rest 20 to a folder.
std::string WriteScaleArchive(int count, int largeFolderCount) {
    std::vector<rfa_test::TestEntry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[96];
        if (i < largeFolderCount)
            std::snprintf(name, sizeof(name), "%s/file%07d.con", kLargeFolder, i);
        else
            std::snprintf(name, sizeof(name), "objects/f%05d/file%07d.con", (i - largeFolderCount) / kEntriesPerFolder, i);
        entries.push_back(rfa_test::TestEntry::FromText(name, SmallText(i)));
    }
    const std::string path = TempPath("quillon-gui-bench-" + std::to_string(count) + "-" + std::to_string(largeFolderCount) + ".rfa");
    rfa_test::WriteArchive(path, entries);
    return path;
}

// count entries, each in a subfolder of its own: "objects/f00012/file0000012.con".
std::string WriteSubfolderArchive(int count) {
    std::vector<rfa_test::TestEntry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        char name[96];
        std::snprintf(name, sizeof(name), "objects/f%05d/file%07d.con", i, i);
        entries.push_back(rfa_test::TestEntry::FromText(name, SmallText(i)));
    }
    const std::string path = TempPath("quillon-gui-bench-subfolders-" + std::to_string(count) + ".rfa");
    rfa_test::WriteArchive(path, entries);
    return path;
}

// Whole lines of 45 characters, as many as size holds: never over it, 16 MiB being the largest
// text previewed.
std::string LargeText(size_t size) {
    const std::string line = "ObjectTemplate.setNetworkableInfo BasicInfo\r\n";
    std::string text;
    while (text.size() + line.size() <= size) text += line;
    return text;
}

std::string WriteLargeTextArchive(int count, size_t size) {
    std::vector<rfa_test::TestEntry> entries;
    // Text to the last of its size bytes: whole lines of 45 characters and the start of one more.
    std::string text = LargeText(size + 45);
    text.resize(size);
    for (int i = 0; i < count; ++i) entries.push_back(rfa_test::TestEntry::FromText("big/text" + std::to_string(i) + ".con", text));
    const std::string path = TempPath("quillon-gui-bench-large-texts.rfa");
    rfa_test::WriteArchive(path, entries);
    return path;
}

double Seconds(const std::function<void()>& work) {
    const Clock::time_point start = Clock::now();
    work();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Lets the window paint what changed, as the user would see it.
void Settle(TfrmMainQuillon& form) {
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    cl::Application()->ProcessMessages();
}

struct TScaleResult {
    int Entries = 0;
    int LargeFolder = 0;
    double Open = 0, Folder = 0, Search = 0;
};

TScaleResult MeasureScale(cl::TApplication& app, int count, int largeFolderCount, bool search) {
    TScaleResult result{count, largeFolderCount};
    const std::string path = WriteScaleArchive(count, largeFolderCount);
    TfrmMainQuillon* form = nullptr;
    result.Open = Seconds([&] {
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        form->OpenArchiveFile(path);
        Settle(*form);
    });
    result.Folder = Seconds([&] {
        form->tvFolders->GetNodeFromPath(kLargeFolderNode)->SetSelected(true);
        Settle(*form);
    });
    if (form->lvFiles->ItemCount() != largeFolderCount)
        std::fprintf(stderr, "the large folder lists %d items, not %d\n", form->lvFiles->ItemCount(), largeFolderCount);
    if (search) {
        result.Search = Seconds([&] { form->SearchContents("SimpleObject obj0000042"); });
        if (form->rePreview->Lines()->Count() != 1)
            std::fprintf(stderr, "the content search found %d entries, not 1\n", form->rePreview->Lines()->Count());
    }
    cl::Free(form);
    DeleteFileA(path.c_str());
    return result;
}

double MeasureSubfolderOpen(cl::TApplication& app, int count) {
    const std::string path = WriteSubfolderArchive(count);
    TfrmMainQuillon* form = nullptr;
    const double seconds = Seconds([&] {
        form = app.CreateForm<TfrmMainQuillon>();
        form->Show();
        form->OpenArchiveFile(path);
        Settle(*form);
    });
    if (form->tvFolders->GetFirstNode()->Count() != count)
        std::fprintf(stderr, "the folder holds %d subfolders, not %d\n", form->tvFolders->GetFirstNode()->Count(), count);
    cl::Free(form);
    DeleteFileA(path.c_str());
    return seconds;
}

double MeasureSearchThroughput(cl::TApplication& app, int count, size_t size) {
    const std::string path = WriteLargeTextArchive(count, size);
    TfrmMainQuillon* form = app.CreateForm<TfrmMainQuillon>();
    form->Show();
    form->OpenArchiveFile(path);
    const double seconds = Seconds([&] { form->SearchContents("not in any of them"); });
    cl::Free(form);
    DeleteFileA(path.c_str());
    return double(count) * double(size) / seconds / 1e6;
}

struct TPreviewResult {
    double Show = 0, Fill = 0, LongestStall = 0, Leave = 0, Cleanup = 0, LongestCleanupStall = 0;
};

// Handles the window's messages until done() or ten minutes have passed; the longest time one
// message took.
double HandleMessagesUntil(const std::function<bool()>& done) {
    double longest = 0;
    const auto deadline = Clock::now() + std::chrono::minutes(10);
    while (!done() && Clock::now() < deadline) {
        MSG message;
        longest = std::max(longest, Seconds([&] {
                               if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return;
                               TranslateMessage(&message);
                               DispatchMessageA(&message);
                           }));
    }
    return longest;
}

// A text of about size bytes in lines of 45 characters: its first screen shown, the rest put
// into the editor while the window takes messages (the longest time it did not), and then
// left for a small text in the same folder.
TPreviewResult MeasureTextPreview(cl::TApplication& app, size_t size) {
    const std::string text = LargeText(size);
    const std::string path = TempPath("quillon-gui-bench-preview.rfa");
    rfa_test::WriteArchive(path, {rfa_test::TestEntry::FromText("big/large.con", text),
                                  rfa_test::TestEntry::FromText("big/small.con", SmallText(0))});
    TfrmMainQuillon* form = app.CreateForm<TfrmMainQuillon>();
    form->Show();
    form->optPreview = true;
    form->OpenArchiveFile(path);
    form->tvFolders->GetNodeFromPath("big")->SetSelected(true);
    Settle(*form);
    // Selected and painted, without handling the messages that bring the rest of the text.
    auto select = [&](const char* caption) {
        form->lvFiles->SetSelected(form->lvFiles->FindCaption(0, caption, false, true, false));
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    };
    TPreviewResult result;
    result.Show = Seconds([&] { select("large.con"); });
    // Editable once the whole text is in.
    result.Fill = Seconds([&] { result.LongestStall = HandleMessagesUntil([&] { return !form->rePreview->ReadOnly(); }); });
    if (form->rePreview->WholeText() != text) std::fprintf(stderr, "the editor does not hold the large text\n");
    HWND large = form->rePreview->Handle();
    result.Leave = Seconds([&] { select("small.con"); });
    if (form->rePreview->WholeText() != SmallText(0)) std::fprintf(stderr, "the editor does not hold the small text\n");
    // The large text's window, given up, goes while the window takes messages.
    result.Cleanup = Seconds([&] { result.LongestCleanupStall = HandleMessagesUntil([&] { return !IsWindow(large); }); });
    cl::Free(form);
    DeleteFileA(path.c_str());
    return result;
}

void PrintTextPreviews(cl::TApplication& app) {
    for (size_t size : {size_t(1) << 20, size_t(4) << 20, size_t(16) << 20}) {
        const TPreviewResult r = MeasureTextPreview(app, size);
        std::printf("text of %2zu MiB: first screen in %.3f s, whole in %.3f s more (longest stall %.3f s), left in %.3f s, "
                    "its window gone in %.3f s more (longest stall %.3f s)\n",
                    size >> 20, r.Show, r.Fill, r.LongestStall, r.Leave, r.Cleanup, r.LongestCleanupStall);
        std::fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    const bool searchOnly = argc > 1 && std::strcmp(argv[1], "--search") == 0;
    const bool previewOnly = argc > 1 && std::strcmp(argv[1], "--preview") == 0;
    try {
        ut::InitializeUtilities();
        RegisterQuillonClasses();
        cl::DialogHooks().messageBox = [](const std::string& text, cl::TMsgDlgType, cl::TMsgDlgButtons) {
            std::fprintf(stderr, "message: %s\n", text.c_str());
            return cl::mrOk;
        };
        cl::TApplication app;
        if (searchOnly) {
            std::printf("content search over 64 entries of 1 MiB: %.0f MB/s\n", MeasureSearchThroughput(app, 64, 1 << 20));
            return 0;
        }
        if (previewOnly) {
            PrintTextPreviews(app);
            return 0;
        }

        std::vector<TScaleResult> results;
        for (int count : {1000, 10000, 100000}) {
            if (quick && count > 10000) break;
            results.push_back(MeasureScale(app, count, count / 10, true));
        }
        const TScaleResult& base = results.front();
        std::printf("%-10s %-12s %10s %7s %10s %7s %10s %7s %14s\n", "entries", "large folder", "open s", "ratio", "folder s",
                    "ratio", "search s", "ratio", "search entry/s");
        for (const TScaleResult& r : results)
            std::printf("%-10d %-12d %10.3f %7.1f %10.3f %7.1f %10.3f %7.1f %14.0f\n", r.Entries, r.LargeFolder, r.Open,
                        r.Open / base.Open, r.Folder, r.Folder / base.Folder, r.Search, r.Search / base.Search,
                        r.Entries / r.Search);
        if (!quick) {
            for (int count : {10000, 100000}) {
                const TScaleResult flat = MeasureScale(app, count, count, false);
                std::printf("one folder of %d entries: shown in %.3f s\n", count, flat.Folder);
            }
            std::printf("one folder of 30000 subfolders: opened in %.3f s\n", MeasureSubfolderOpen(app, 30000));
            std::printf("content search over 64 entries of 1 MiB: %.0f MB/s\n", MeasureSearchThroughput(app, 64, 1 << 20));
            PrintTextPreviews(app);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "failed: %s\n", e.what());
        return 1;
    }
    return 0;
}
