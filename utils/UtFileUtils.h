#pragma once
// The file and folder utilities as one include.

#include "utils/UtErrors.h"
#include "utils/UtFilePresence.h"
#include "utils/UtFolderDelete.h"
#include "utils/UtFolders.h"
#include "utils/UtModuleInfo.h"
#include "utils/UtPathSeparators.h"
