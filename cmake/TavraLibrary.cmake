# tavra_library(NAME "DIR[;DIR...]" DEPS...): a static library of every .cpp in the folders (not
# recursing; main.cpp excluded), so adding a source file never needs a CMake edit. Headers are
# included as "folder/File.h" relative to src/.
#
# A library sees only its own folders and those of the libraries it depends on: its include root
# (build/include/NAME) holds a link to each of its folders alone, and a user of the library gets
# that root through the dependency. An include that runs against the declared dependencies
# names a header the compiler cannot find, so the build fails there.
# The standard headers most source files include: precompiled once per set of compile flags.
set(TAVRA_COMMON_STD_HEADERS <algorithm> <array> <cstdint> <functional> <map> <memory>
  <optional> <string> <string_view> <unordered_map> <utility> <vector>)

# tavra_share_precompiled(OWNER HEADERS... USERS target...): OWNER precompiles HEADERS, and each
# user (compiled with the same flags: a precompiled header is only valid for those) reuses it.
function(tavra_share_precompiled owner)
  cmake_parse_arguments(arg "" "" "HEADERS;USERS" ${ARGN})
  target_precompile_headers(${owner} PRIVATE ${arg_HEADERS})
  foreach(user IN LISTS arg_USERS)
    if(TARGET ${user})
      target_precompile_headers(${user} REUSE_FROM ${owner})
    endif()
  endforeach()
endfunction()

function(tavra_library name dirs)
  set(sources)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  foreach(dir IN LISTS dirs)
    file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND sources ${found})
    get_filename_component(parent ${root}/${dir} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(REMOVE ${root}/${dir})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${dir} ${root}/${dir} SYMBOLIC)
  endforeach()
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${root})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${root})
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# tavra_test(NAME DIR DEPS...): one GoogleTest executable of every .cpp in DIR (under tests/).
function(tavra_test name dir)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE ${ARGN} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    TAVRA_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAVRA_BIN_DIR="${TAVRA_BIN_DIR}")
  include(GoogleTest)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
