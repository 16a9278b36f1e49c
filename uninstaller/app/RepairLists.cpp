#include "uninstaller/app/RepairLists.h"

#include <cstdlib>
#include <cstring>

#include "uninstaller/log/NameCompare.h"

RepairLists::RepairLists(unsigned sections)
    : sections_(sections < kMaxSections ? sections : static_cast<unsigned>(kMaxSections)),
      paths_(static_cast<char(*)[kPathSize]>(std::calloc(sections_ ? sections_ : 1, kPathSize)))
{
    if (!paths_)
        sections_ = 0;
}

RepairLists::~RepairLists()
{
    std::free(paths_);
}

const char* RepairLists::Of(Section section) const
{
    return section < sections_ && paths_[section][0] ? paths_[section] : nullptr;
}

const char* RepairLists::Find(Section section, const char* const* sourceBySection, unsigned sourceSlots) const
{
    if (const char* own = Of(section))
        return own;
    const char* source = section < sourceSlots ? sourceBySection[section] : nullptr;
    if (!source)
        return nullptr;
    for (unsigned other = 0; other < sections_ && other < sourceSlots; ++other) {
        if (paths_[other][0] && sourceBySection[other] && EqualNoCase(sourceBySection[other], source))
            return paths_[other];
    }
    return nullptr;
}

bool RepairLists::Set(Section section, const char* path)
{
    std::size_t length = std::strlen(path);
    if (section >= sections_ || length >= kPathSize)
        return false;
    std::memmove(paths_[section], path, length + 1);
    return true;
}

void RepairLists::Forget(const char* path)
{
    std::size_t length = std::strlen(path);
    if (length >= kPathSize)
        return;
    char forgotten[kPathSize];
    std::memcpy(forgotten, path, length + 1);   // path may be one of the entries cleared below
    for (unsigned section = 0; section < sections_; ++section) {
        if (std::strcmp(paths_[section], forgotten) == 0)
            paths_[section][0] = '\0';
    }
}
