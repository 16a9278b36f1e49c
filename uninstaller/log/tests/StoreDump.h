// The item store's records as text lines, one per record, in table order:
//   P/S path [backup=..] copy=N bsec=N [counted=NxC] [created] [selected] [repair=N] [selfreg=N]
//       [device=N] [data="..."] [link="..."]             private / system file
//   R path sec=N [data=".."] [link=".."]                 restore-only file
//   EDIT/DELETE path backup=.. sec=N                     file edits and deletes
//   DIR path named=N [tree=N]                            directories
//   INIFILE path sec=N
//   INI file [section] item first=".." latest=".." sec=N
//   KEY root:key name=.. sec=N
//   EDIT-KEY root:key name=.. type=N old=[a|b] rollback=[a|b] sec=N
//   VALUE "new" type=N -> KEY|EDIT-KEY root:key
//   TREE root:key sec=N
//   ICON group/name cmd=.. sec=N
//   EXEC command [name=..] sec=N
//   SERVICE name sec=N
//   SOURCE N text
#pragma once

#include <string>
#include <vector>

std::vector<std::string> DumpStore();
