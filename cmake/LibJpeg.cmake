# libjpeg for the JPEG pictures in form resources (the about box's banner).
# Native builds use the system's libjpeg. The Windows builds compile `jpeg-static` from
# libjpeg-turbo's source, which scripts/setup fetches once into the user's cache; each build tree
# builds it once and keeps it. Defines the target quillon_libjpeg.

if(NOT WIN32)
  find_package(JPEG REQUIRED)
  add_library(quillon_libjpeg INTERFACE)
  target_link_libraries(quillon_libjpeg INTERFACE JPEG::JPEG)
  return()
endif()

if(DEFINED ENV{XDG_CACHE_HOME})
  set(quillon_default_jpeg_source "$ENV{XDG_CACHE_HOME}/quillon/libjpeg-turbo")
else()
  set(quillon_default_jpeg_source "$ENV{HOME}/.cache/quillon/libjpeg-turbo")
endif()
set(QUILLON_LIBJPEG_SOURCE "${quillon_default_jpeg_source}" CACHE PATH "libjpeg-turbo source tree (scripts/setup fetches it)")
if(NOT EXISTS "${QUILLON_LIBJPEG_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "No libjpeg-turbo source in ${QUILLON_LIBJPEG_SOURCE}: run scripts/setup")
endif()

include(ExternalProject)
set(jpeg_prefix "${CMAKE_BINARY_DIR}/libjpeg")
set(jpeg_library "${jpeg_prefix}/lib/libjpeg.a")
# Only the static library is built: no SIMD (it would need nasm), no shared library, no TurboJPEG.
ExternalProject_Add(libjpeg_turbo
  SOURCE_DIR "${QUILLON_LIBJPEG_SOURCE}"
  BINARY_DIR "${jpeg_prefix}/build"
  INSTALL_DIR "${jpeg_prefix}"
  CMAKE_ARGS
    -G Ninja
    "-DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}"
    -DCMAKE_BUILD_TYPE=Release
    "-DCMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER}"
    "-DCMAKE_INSTALL_PREFIX=${jpeg_prefix}"
    -DWITH_SIMD=OFF -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target jpeg-static
  INSTALL_COMMAND ${CMAKE_COMMAND} -E make_directory <INSTALL_DIR>/lib <INSTALL_DIR>/include
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib/
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/jconfig.h <SOURCE_DIR>/jpeglib.h
            <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jerror.h <INSTALL_DIR>/include/
  BUILD_BYPRODUCTS "${jpeg_library}"
  UPDATE_COMMAND ""
  EXCLUDE_FROM_ALL ON)

file(MAKE_DIRECTORY "${jpeg_prefix}/include")
add_library(quillon_libjpeg STATIC IMPORTED GLOBAL)
set_target_properties(quillon_libjpeg PROPERTIES
  IMPORTED_LOCATION "${jpeg_library}"
  INTERFACE_INCLUDE_DIRECTORIES "${jpeg_prefix}/include")
add_dependencies(quillon_libjpeg libjpeg_turbo)
