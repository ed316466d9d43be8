# Shared build settings and the helpers that give every layer and test folder the same shape.

add_library(cutterbase_options INTERFACE)
target_compile_options(cutterbase_options INTERFACE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                                    -Wno-format-security)
# g++ 12 reports std::variant and std::optional members as maybe-uninitialized at -O2 where
# they are not; the warning would make warnings-as-errors builds fail on correct code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(cutterbase_options INTERFACE -Wno-maybe-uninitialized)
endif()
if(CUTTERBASE_WERROR)
  target_compile_options(cutterbase_options INTERFACE -Werror)
endif()
if(CUTTERBASE_SANITIZE)
  target_compile_options(cutterbase_options INTERFACE -fsanitize=address,undefined
                                                      -fno-sanitize-recover=undefined
                                                      -fno-omit-frame-pointer)
  target_link_options(cutterbase_options INTERFACE -fsanitize=address,undefined)
endif()
if(CUTTERBASE_FUZZ)
  target_compile_options(cutterbase_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined
                                                      -fno-omit-frame-pointer)
  target_link_options(cutterbase_options INTERFACE -fsanitize=address,undefined)
endif()

# One static library per source folder; the folder's .cpp files are its sources.
function(cutterbase_layer layer previous)
  set(dir ${PROJECT_SOURCE_DIR}/src/${layer})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_library(cutterbase_${layer} STATIC ${sources})
  target_include_directories(cutterbase_${layer} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(cutterbase_${layer} PUBLIC cutterbase_options ${previous})
endfunction()

# One GoogleTest program per test folder, linked with the highest layer it tests.
function(cutterbase_test_folder folder library)
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources OR NOT TARGET ${library})
    return()
  endif()
  add_executable(test_${folder} ${sources})
  target_include_directories(test_${folder} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(test_${folder} PRIVATE ${library} cutterbase_testsupport
                                               GTest::gtest_main GTest::gmock)
  gtest_discover_tests(test_${folder} DISCOVERY_MODE PRE_TEST
                       PROPERTIES ENVIRONMENT "CUTTERBASE_CLI=$<TARGET_FILE:cutterbase-cli>")
endfunction()

# Qt's meta-object code for a target whose sources are globbed. The generator (CMake 3.25 with
# Ninja) does not notice a source file added after its first run; when the list of sources
# changed, its time stamp is removed so that it runs again.
function(cutterbase_automoc target)
  get_target_property(sources ${target} SOURCES)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL "${sources}")
    file(WRITE ${list_file} "${sources}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()

# The source revision when the sources are a git checkout, read when the build is configured.
execute_process(COMMAND git rev-parse --short HEAD WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                OUTPUT_VARIABLE CUTTERBASE_REVISION OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET
                RESULT_VARIABLE _revision_status)
if(NOT _revision_status EQUAL 0)
  set(CUTTERBASE_REVISION "")
endif()

# The project's version and the source revision, compiled into one source file of a program.
function(cutterbase_version_definitions source)
  set_property(SOURCE ${source} APPEND PROPERTY COMPILE_DEFINITIONS
               "CUTTERBASE_VERSION=\"${PROJECT_VERSION}\"" "CUTTERBASE_REVISION=\"${CUTTERBASE_REVISION}\"")
endfunction()
