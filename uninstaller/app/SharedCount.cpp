#include "uninstaller/app/SharedCount.h"

#include <cstdint>
#include <cstring>

#include "uninstaller/app/RegistryValueData.h"

const char kSharedDllsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

namespace {

// The text of string 38 with "%s" replaced by the path ("%%" is a percent sign); nothing else
// in a language override is taken as a conversion.
std::size_t FormatWithPath(const char* format, const char* path, char* out, std::size_t size)
{
    std::size_t length = 0;
    auto append = [&](const char* text, std::size_t count) {
        if (count > size - 1 - length)
            count = size - 1 - length;
        std::memcpy(out + length, text, count);
        length += count;
    };
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == '%')) {
            if (p[1] == 's')
                append(path, std::strlen(path));
            else
                append("%", 1);
            ++p;
        } else {
            append(p, 1);
        }
    }
    out[length] = '\0';
    return length;
}

bool AskToRemove(EngineUi& ui, const SharedCountRun& run, const char* path, SharedAnswerMemory* answers)
{
    if (run.silent || answers->noToAll)
        return false;
    if (answers->yesToAll)
        return true;
    if (run.progressLabel)
        ui.ShowProgressItem(run.progressLabel, path, kProgressPath);
    char format[1024], message[2048];
    ui.LoadText(38, format, sizeof format);
    std::size_t length = FormatWithPath(format, path, message, sizeof message);
    ui.LoadText(39, message + length, sizeof message - length);
    switch (ui.AskRemoveSharedFile(message)) {
    case kChoiceYesToAll:
        answers->yesToAll = true;
        return true;
    case kChoiceNoToAll:
        answers->noToAll = true;
        return false;
    case kChoiceYes:
        return true;
    default:
        return false;
    }
}

bool ReadCount(EngineRegistry& registry, const SharedCountRun& run, const char* path, long* count)
{
    if (!run.shellFlag)
        return false;
    unsigned type = 0;
    unsigned char data[64];
    std::size_t size = sizeof data;
    return registry.ReadValue(kRootLocalMachine, kSharedDllsKey, path, &type, data, &size) &&
           ReadCounter(type, data, size, count) && *count > 0;
}

}  // namespace

bool HasSharedCount(EngineRegistry& registry, const SharedCountRun& run, const char* path)
{
    long count = 0;
    return ReadCount(registry, run, path, &count);
}

SharedCountResult DecrementSharedCount(EngineRegistry& registry, EngineUi& ui, const SharedCountRun& run,
                                       const char* path, int countedCopies, SharedAnswerMemory* answers)
{
    long count = 0;
    if (!ReadCount(registry, run, path, &count))
        return kNotCounted;

    std::int64_t remaining = static_cast<std::int64_t>(count) - (run.rollback ? 1 : countedCopies);
    if (remaining >= 1) {
        unsigned char value[4];
        for (int i = 0; i < 4; ++i)
            value[i] = static_cast<unsigned char>(static_cast<std::uint32_t>(remaining) >> (8 * i));
        registry.WriteValue(kRootLocalMachine, kSharedDllsKey, path, kRegDword, value, sizeof value, false);
        return kStillUsed;
    }
    bool remove = AskToRemove(ui, run, path, answers);
    registry.DeleteValue(kRootLocalMachine, kSharedDllsKey, path);
    return remove ? kNoLongerUsed : kStillUsed;
}
