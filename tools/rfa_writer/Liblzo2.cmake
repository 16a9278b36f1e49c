# Finds liblzo2 on the host (not for the Windows cross build) and provides the imported target
# Liblzo2::lzo2 when it is there. Included wherever it is needed; runs once.
include_guard(GLOBAL)

if(NOT CMAKE_CROSSCOMPILING AND NOT TARGET Liblzo2::lzo2)
  find_package(PkgConfig QUIET)
  if(PkgConfig_FOUND)
    pkg_check_modules(LZO2 QUIET IMPORTED_TARGET GLOBAL lzo2)
  endif()
  if(TARGET PkgConfig::LZO2)
    add_library(Liblzo2::lzo2 ALIAS PkgConfig::LZO2)
  else()
    find_library(LZO2_LIBRARY NAMES lzo2)
    find_path(LZO2_INCLUDE_DIR NAMES lzo/lzo1x.h)
    if(LZO2_LIBRARY AND LZO2_INCLUDE_DIR)
      add_library(Liblzo2::lzo2 UNKNOWN IMPORTED GLOBAL)
      set_target_properties(Liblzo2::lzo2 PROPERTIES
        IMPORTED_LOCATION "${LZO2_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${LZO2_INCLUDE_DIR}")
    endif()
  endif()
endif()
