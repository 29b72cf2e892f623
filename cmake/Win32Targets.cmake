# Cross build: vespin.exe, the Win32 layer as a library, and the tests that run under Wine.
enable_language(RC)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)

# No MinGW runtime DLLs beside the exe: everything static. The C runtime's own
# printf (not MinGW's, which drags in a float formatter) and unused code dropped.
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--gc-sections)
add_compile_options(-ffunction-sections -fdata-sections)
add_compile_definitions(__USE_MINGW_ANSI_STDIO=0)
# The same sources give the same exe, byte for byte: no link time stamp, no build paths.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options(-ffile-prefix-map=${CMAKE_SOURCE_DIR}/= -ffile-prefix-map=${CMAKE_BINARY_DIR}/=)

set(win_libraries user32 gdi32 comctl32 comdlg32 shell32 winmm advapi32 kernel32)
list(FILTER win_sources EXCLUDE REGEX "/app/winmain_win\\.cpp$")
add_library(vespin_win STATIC ${win_sources})
# The program throws nothing and starts no threads: no unwinder or thread runtime in the exe.
# Small over fast everywhere but the blend, which runs on every paint.
set(product_options -fno-exceptions -fno-rtti -fno-threadsafe-statics -Os)
set_source_files_properties(render/blend.cpp PROPERTIES COMPILE_OPTIONS -O3)
target_compile_options(vespin_core PRIVATE ${product_options})
target_compile_options(vespin_win PRIVATE ${product_options})
target_link_libraries(vespin_win PUBLIC vespin_core ${win_libraries})

set(resource_script ${CMAKE_SOURCE_DIR}/res/vespin.rc)
configure_file(res/vespin.manifest.in ${VESPIN_GENERATED_DIR}/vespin.exe.manifest @ONLY)
# The resource compiler's dependency scan sees neither the manifest nor the files it names.
file(GLOB resource_files CONFIGURE_DEPENDS res/*.rc res/*.bmp res/*.ico res/*.wav)
set_source_files_properties(${resource_script} PROPERTIES OBJECT_DEPENDS
                            "${resource_files};${VESPIN_GENERATED_DIR}/vespin.exe.manifest;${VESPIN_GENERATED_DIR}/vespin_version.h")
add_executable(vespin WIN32 app/winmain_win.cpp ${resource_script})
target_link_libraries(vespin PRIVATE vespin_win)
target_compile_options(vespin PRIVATE ${product_options})
target_link_options(vespin PRIVATE -s)

# Sends the exit command to a running copy (the run script uses it).
add_executable(vespinctl tools/win/vespinctl.cpp)
# Measures launch to first paint (not a test; see docs/performance.md).
add_executable(launchtime tools/win/launchtime.cpp)
# Measures the menu command to the painted month calendar (not a test; see docs/performance.md).
add_executable(monthtime tools/win/monthtime.cpp)
# Drives the window procedure through 100,000 timer ticks (not a test; see docs/reliability.md).
add_executable(longrun tools/win/longrun.cpp tests/win/win_test_util.cpp tests/common/settings_store.cpp
                       ${resource_script})
target_link_libraries(longrun PRIVATE vespin_win psapi)
# These find the window by its class (and title) and send ids from res/resource.h.
target_include_directories(vespinctl PRIVATE ${CMAKE_SOURCE_DIR})
target_include_directories(launchtime PRIVATE ${CMAKE_SOURCE_DIR})
target_include_directories(monthtime PRIVATE ${CMAKE_SOURCE_DIR})

# The tests need GoogleTest's sources (Debian's googletest package); a plain
# Windows build of the program skips them.
set(VESPIN_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows tests")
if(NOT EXISTS ${VESPIN_GTEST_SOURCE}/CMakeLists.txt)
  return()
endif()

# GoogleTest built with the cross compiler (the posix thread model gives it std::mutex).
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${VESPIN_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# The tests build the program's code again with the checks MinGW has and the shipped exe goes
# without: undefined behaviour traps at once (there is no sanitizer runtime; GCC 12 spells
# -fsanitize-trap=all this way), stack canaries. The tests' own code goes without: checking it
# would double its build time and find nothing in the program. The benchmark turns the checks
# off, so that it times the code as shipped.
option(VESPIN_TEST_CHECKS "Win32 tests run the program's code built with traps and canaries" ON)
if(VESPIN_TEST_CHECKS)
  set(test_checks -fsanitize=undefined -fsanitize-undefined-trap-on-error -fstack-protector-strong)
  add_library(vespin_core_checked STATIC ${pure_sources})
  add_library(vespin_win_checked STATIC ${win_sources})
  target_include_directories(vespin_core_checked PUBLIC ${CMAKE_SOURCE_DIR} ${VESPIN_GENERATED_DIR})
  target_compile_options(vespin_core_checked PRIVATE ${product_options} ${test_checks})
  target_compile_options(vespin_win_checked PRIVATE ${product_options} ${test_checks})
  target_link_libraries(vespin_win_checked PUBLIC vespin_core_checked ${win_libraries})
  set(tested_core vespin_core_checked)
  set(tested_win vespin_win_checked)
else()
  set(test_checks)
  set(tested_core vespin_core)
  set(tested_win vespin_win)
endif()

# In-process tests of the Win32 layer; the resources are linked in so bitmaps,
# menus and dialogs load from the test module as they do from vespin.exe.
# Wine checks the heap on every call, and a warning of its fails the test.
file(GLOB win_tests CONFIGURE_DEPENDS tests/win/*.cpp tests/common/*.cpp)
add_executable(vespin_wintests ${win_tests} ${resource_script})
target_link_options(vespin_wintests PRIVATE ${test_checks})
target_link_libraries(vespin_wintests PRIVATE ${tested_win} gtest)
target_precompile_headers(vespin_wintests PRIVATE <windows.h> <gtest/gtest.h>)
gtest_discover_tests(vespin_wintests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
                     PROPERTIES RUN_SERIAL TRUE LABELS wine ENVIRONMENT "WINEDEBUG=-all,warn+heap"
                                FAIL_REGULAR_EXPRESSION ":warn:heap:")
# The page fit once more at 144 and 192 DPI, each in a copy of the prefix set to that scale.
set(fit_test PropertySheetTest.EveryControlOfEveryPageLiesInsideThePageArea)
foreach(dpi 144 192)
  add_test(NAME ${fit_test}.At${dpi}Dpi
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-dpi-run.sh ${dpi} $<TARGET_FILE:vespin_wintests> --gtest_filter=${fit_test})
  set_tests_properties(${fit_test}.At${dpi}Dpi PROPERTIES RUN_SERIAL TRUE LABELS wine ENVIRONMENT VESPIN_EXPECT_DPI=${dpi})
endforeach()

# End-to-end tests: drive the real vespin.exe from outside, as a user would.
file(GLOB e2e_tests CONFIGURE_DEPENDS tests/e2e/*.cpp tests/common/*.cpp)
add_executable(vespin_e2e ${e2e_tests})
target_link_options(vespin_e2e PRIVATE ${test_checks})
target_link_libraries(vespin_e2e PRIVATE ${tested_core} gtest ${win_libraries})
target_precompile_headers(vespin_e2e REUSE_FROM vespin_wintests)
add_dependencies(vespin_e2e vespin)
# The gadget at 192 DPI runs only in a prefix at that scale, the time signal only with the clock set.
set(scale_test DisplayScaleAt192Dpi.*)
set(clock_test ClockShifted.*)
gtest_discover_tests(vespin_e2e DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_FILTER -${scale_test}:${clock_test}
                     PROPERTIES RUN_SERIAL TRUE LABELS "wine;e2e")
add_test(NAME DisplayScaleAt192Dpi
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-dpi-run.sh 192 $<TARGET_FILE:vespin_e2e> --gtest_filter=${scale_test})
set_tests_properties(DisplayScaleAt192Dpi PROPERTIES RUN_SERIAL TRUE LABELS "wine;e2e")
# The sheet and the About box once more on a Windows whose code page for non-Unicode programs is
# 1252, as an English one: their texts must still read right.
add_test(NAME SheetAndAboutInEnglishLocale
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-locale-run.sh C.UTF-8 $<TARGET_FILE:vespin_e2e>
                 --gtest_filter=Properties.*:DialogPlacement.*)
set_tests_properties(SheetAndAboutInEnglishLocale PROPERTIES RUN_SERIAL TRUE LABELS "wine;e2e"
                     ENVIRONMENT VESPIN_EXPECT_ACP=1252)
add_test(NAME TimeSignalAtThreeOClock
         COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-clock-run.sh "2024-06-05 14:59:57" $<TARGET_FILE:vespin_e2e>
                 --gtest_filter=${clock_test})
set_tests_properties(TimeSignalAtThreeOClock PROPERTIES RUN_SERIAL TRUE LABELS "wine;e2e"
                     ENVIRONMENT VESPIN_SOUND_LOG=${CMAKE_BINARY_DIR}/clock-sounds.log)
