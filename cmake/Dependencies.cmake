# System libraries, all from Debian packages that scripts/setup installs.
find_package(PkgConfig REQUIRED)
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(GIF REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGO REQUIRED IMPORTED_TARGET pangocairo pango)
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
pkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
# The SDL backend asks the X server itself where the pointer is, and shapes windows with regions.
pkg_check_modules(X11 REQUIRED IMPORTED_TARGET x11 xext)

# litehtml's exported shared target carries no include directory; add it ourselves.
find_package(litehtml REQUIRED)
find_path(LITEHTML_INCLUDE_DIR litehtml.h PATH_SUFFIXES litehtml REQUIRED)
get_filename_component(LITEHTML_INCLUDE_PARENT ${LITEHTML_INCLUDE_DIR} DIRECTORY)
add_library(tavra_litehtml INTERFACE)
target_link_libraries(tavra_litehtml INTERFACE litehtml gumbo)
target_include_directories(tavra_litehtml INTERFACE ${LITEHTML_INCLUDE_PARENT})

if(TAVRA_TESTS)
  find_package(GTest REQUIRED)
endif()
if(TAVRA_BENCH)
  find_package(benchmark REQUIRED)
endif()
