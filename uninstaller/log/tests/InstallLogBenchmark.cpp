// Reading generated logs of 10,000 to 1,000,000 records (or lines) from memory.
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <string>

#include "uninstaller/log/InstallLog.h"

namespace {

// Every file is present but those in a "Gone" folder; nothing else is asked of a real system.
struct BenchLogSystem : LogSystem {
  bool IsNtFamily() override { return true; }
  bool HasShell() override { return true; }
  bool FileExists(const char* path) override { return !std::strstr(path, "\\Gone\\"); }
  bool ShortPathOf(const char* path, char* out, std::size_t outSize) override { return Copy(path, out, outSize); }
  bool LongPathOf(const char* path, char* out, std::size_t outSize) override { return Copy(path, out, outSize); }
  bool WindowsDirectory(char* out, std::size_t outSize) override { return Copy("C:\\WINDOWS", out, outSize); }
  bool SystemDirectory(char* out, std::size_t outSize) override { return Copy("C:\\WINDOWS\\SYSTEM32", out, outSize); }
  bool IsRemovableDrive(char) override { return false; }
  bool HasSharedDllCounter(const char*) override { return false; }
  bool StartMenuFolder(bool, char* out, std::size_t) override {
    out[0] = '\0';
    return false;
  }
  bool CanManageServices() override { return true; }
  void ConvertFromOem(char*) override {}
  void UpperCaseTable(unsigned char table[256]) override {
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  }
  static bool Copy(const char* text, char* out, std::size_t outSize) {
    if (std::strlen(text) >= outSize) return false;
    std::strcpy(out, text);
    return true;
  }
};

struct NullLogUi : LogUi {
  void ShowMessage(int, int) override {}
  void ShowProgress(std::uint64_t, std::uint64_t) override {}
  void SetProductTitle(const char*) override {}
};

const char kHeader[] = "***  Installation Started\r\nTitle: Benchmark Installation\r\n";

// A mix like a large installation's: 60% files (a fifth with backups), 30% created registry
// values, 5% changed values, 5% INI entries; a new run every 10,000 records.
std::string MixedLog(int records) {
  std::string log = kHeader;
  for (int i = 0; i < records; ++i) {
    std::string n = std::to_string(i);
    if (i % 10000 == 9999) log += "***  Next run\r\n";
    if (i % 1000 == 0) log += "Made Dir: C:\\Program Files\\App\\dir" + std::to_string(i % 100) + "\r\n";
    int kind = i % 20;
    if (kind < 12) {
      log += "File Copy: C:\\Program Files\\App\\dir" + std::to_string(i % 100) + "\\file" + n +
             ".dll | 01-02-2003 | 10:11:12 | 0 | 123456 | 0badf00d\r\n";
      if (kind == 0) log += "Backup Copy: C:\\Program Files\\App\\BACKUP\\file" + n + ".dll\r\n";
    } else if (kind < 18) {
      log += "RegDB Key: Software\\Maker\\App\\Key" + std::to_string(i % 1000) + "\r\nRegDB Val: value " + n +
             "\r\nRegDB Name: V" + n + "\r\nRegDB Root: 2\r\n";
    } else if (kind == 18) {
      log += "RegDB Key: Software\\Classes\\.ext" + n + "\r\nRegDB Val: App.Document\r\nRegDB Root: 0\r\nRegDB Old: old" + n + "\r\n";
    } else {
      log += "INI File: C:\\WINDOWS\\app" + std::to_string(i % 10) + ".ini\r\nINI Sect: S" + std::to_string(i % 100) +
             "\r\nINI Item: I" + n + "\r\nINI Val: v\r\nINI Old: o\r\n";
    }
  }
  return log;
}

// File paths in the lookup order itself (their ends count up): an unbalanced tree would be one
// long chain.
std::string SortedLog(int records) {
  std::string log = kHeader;
  for (int i = 0; i < records; ++i) {
    std::string digits = std::to_string(10000000 + i);
    log += "File Copy: C:\\App\\" + std::string(digits.rbegin(), digits.rend()) + "\r\n";
  }
  return log;
}

// Lines of every kind whose lookups once walked a list (files no longer there, overwritten
// files, file trees, registry trees, services, self-registering files), between ordinary file
// copies and registry values; counted in lines, not records.
std::string ListLookupLog(int lines) {
  std::string log = kHeader;
  const char kRepairData[] = " | 01-02-2003 | 10:11:12 | 0 | 123456 | 0badf00d\r\n";
  int written = 2;
  for (int i = 0; written < lines; ++i) {
    std::string n = std::to_string(i);
    std::string folder = "C:\\Program Files\\App\\dir" + std::to_string(i % 100);
    switch (i % 10) {
      case 0:
      case 1:
        log += "File Copy: " + folder + "\\file" + n + ".dll\r\n";
        written += 1;
        break;
      case 2:
        log += "File Copy: " + folder + "\\Gone\\file" + n + ".dll" + kRepairData;
        written += 1;
        break;
      case 3:
        log += "File Overwrite: " + folder + "\\over" + n + ".dll" + kRepairData;
        written += 1;
        break;
      case 4:
        log += "File Tree: " + folder + "\\tree" + n + "\r\nMade Dir: " + folder + "\\made" + n + "\\sub\r\n";
        written += 2;
        break;
      case 5:
        log += "RegDB Tree: Software\\Maker\\App\\Tree" + n + "\r\nRegDB Root: 2\r\n";
        written += 2;
        break;
      case 6:
        log += "RegDB Key: Software\\Maker\\App\\Key" + n + "\r\nRegDB Val: value\r\nRegDB Name: V\r\nRegDB Root: 2\r\n";
        written += 4;
        break;
      case 7:
        log += "Create Service: Service" + n + "\r\nExecute Program: " + folder + "\\setup" + n + ".exe\r\n";
        written += 2;
        break;
      case 8:
        log += "INI New: \r\nINI File: " + folder + "\\app" + n + ".ini\r\n";
        written += 2;
        break;
      default:
        log += "File Copy: " + folder + "\\server" + n + ".dll\r\nSelf-Register: " + folder + "\\server" + n + ".dll\r\n";
        written += 2;
    }
  }
  return log;
}

const std::string& CachedLog(std::string (*make)(int), int records) {
  static std::map<std::pair<std::string (*)(int), int>, std::string> logs;
  std::string& log = logs[{make, records}];
  if (log.empty()) log = make(records);
  return log;
}

void ReadLog(benchmark::State& state, std::string (*make)(int)) {
  int records = static_cast<int>(state.range(0));
  const std::string& log = CachedLog(make, records);
  BenchLogSystem system;
  NullLogUi ui;
  for (auto _ : state) {
    AllocateItemTables();
    MemoryLogInput input(log.data(), log.size());
    if (ReadInstallLogFrom(input, "C:\\Program Files\\App\\INSTALL.LOG", system, ui) != 0) state.SkipWithError("refused");
    benchmark::DoNotOptimize(g_itemStore.privateFiles.count);
    FreeItemStore();
  }
  state.SetItemsProcessed(state.iterations() * records);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(log.size()));
}

void BM_ReadMixedLog(benchmark::State& state) { ReadLog(state, MixedLog); }
void BM_ReadSortedFileLog(benchmark::State& state) { ReadLog(state, SortedLog); }
void BM_ReadListLookupLog(benchmark::State& state) { ReadLog(state, ListLookupLog); }

BENCHMARK(BM_ReadMixedLog)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSortedFileLog)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
// Argument: lines.
BENCHMARK(BM_ReadListLookupLog)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
