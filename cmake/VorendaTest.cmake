# vorenda_test_environment(<variable>)
# The pinned environment of every test: what the machine would otherwise decide (fonts,
# language and number formats) and the sanitizers' options.
function(vorenda_test_environment variable)
    set(${variable} "QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu"
            "LANG=C.UTF-8" "LC_ALL=C.UTF-8" "LANGUAGE="
            "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
            # use_tls=0: the leak checker of Debian 12's compiler misreads the thread-local
            # blocks of libraries loaded at run time (a block at 0x2366 of 32 GB) and
            # crashes at exit in about one run in twenty; heap and stacks are still scanned.
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0:use_tls=0"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1" PARENT_SCOPE)
endfunction()

# vorenda_add_test(<name> [X11 | BENCH] SOURCES <files...> [LIBS <libs...>])
# One test program linking the libraries it tests (LIBS), the base test fixtures
# (tests/support) and the program's resources and translations. Registered with ctest
# in a pinned environment; X11 marks a test that needs a real X server (its name ends
# in "_x11"; label x11, run under an Xvfb of its own). BENCH makes a benchmark instead: built into
# bench/, run by hand, not registered with ctest.
function(vorenda_add_test name)
    cmake_parse_arguments(ARG "X11;BENCH" "" "SOURCES;LIBS" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS OR NOT ARG_SOURCES)
        message(FATAL_ERROR "vorenda_add_test(${name}): give SOURCES, and LIBS before the libraries")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} vorenda_testsupport vorenda_resources vorenda_translations)
    foreach(source ${ARG_SOURCES})
        get_filename_component(source ${source} ABSOLUTE)
        set_property(GLOBAL APPEND PROPERTY VORENDA_TEST_SOURCES ${source})
    endforeach()
    if(ARG_BENCH)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
        return()
    endif()

    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Tests drive the programs from the build's bin folder.
    foreach(program dovalin kestrim kestrim-page tulmar sarnek vorenda)
        if(TARGET ${program})
            add_dependencies(${name} ${program})
        endif()
    endforeach()
    vorenda_test_environment(env)
    string(REGEX MATCH "_x11$" x11_name ${name})
    if(ARG_X11 AND NOT x11_name OR x11_name AND NOT ARG_X11)
        message(FATAL_ERROR "vorenda_add_test(${name}): the tests that need X, and only they, say X11 and end in _x11")
    endif()
    if(ARG_X11)
        # Each under an X server of its own, so that they can run side by side with each
        # other and with the rest: grabs, focus, the clipboard and window managers are
        # per server.
        add_test(NAME ${name} COMMAND ${PROJECT_SOURCE_DIR}/tests/support/with-own-xserver $<TARGET_FILE:${name}>)
        set_tests_properties(${name} PROPERTIES LABELS x11)
        # Nothing here draws with OpenGL. Without this, Qt's xcb GLX support loads and
        # unloads the machine's GL driver, whose allocations then show as leaks from a
        # module that is gone. Inherited by every program the test starts.
        list(APPEND env "QT_XCB_GL_INTEGRATION=none")
    else()
        add_test(NAME ${name} COMMAND ${name})
        list(APPEND env "QT_QPA_PLATFORM=offscreen")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}" TIMEOUT 300)
endfunction()

# vorenda_check_tests(<glob>...)
# Fails the configuration when a test or benchmark source matching the globs is not
# built by vorenda_add_test, so that none is silently left out.
function(vorenda_check_tests)
    file(GLOB sources CONFIGURE_DEPENDS ${ARGN})
    get_property(registered GLOBAL PROPERTY VORENDA_TEST_SOURCES)
    foreach(source ${sources})
        if(NOT source IN_LIST registered)
            message(FATAL_ERROR "${source} is not built: add it with vorenda_add_test in its folder's CMakeLists.txt")
        endif()
    endforeach()
endfunction()

# vorenda_add_fuzz_target(<name> SOURCES <files...> [LIBS <libs...>])
# One fuzz target: its LLVMFuzzerTestOneInput in SOURCES, its seed corpus in
# corpus/<name>/ beside them. Built with the replay driver, which runs every file of
# the corpus once, as the ctest test <name> (so `ctest -R fuzz` replays every corpus
# under the sanitizers); with VORENDA_FUZZ also as the libFuzzer program <name>.
function(vorenda_add_fuzz_target name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS OR NOT ARG_SOURCES)
        message(FATAL_ERROR "vorenda_add_fuzz_target(${name}): give SOURCES, and LIBS before the libraries")
    endif()
    set(corpus ${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name})
    if(NOT IS_DIRECTORY ${corpus})
        message(FATAL_ERROR "vorenda_add_fuzz_target(${name}): no seed corpus in ${corpus}")
    endif()
    set(libs ${ARG_LIBS} vorenda_fuzzsupport vorenda_resources vorenda_translations)

    add_executable(${name}_replay ${ARG_SOURCES})
    target_link_libraries(${name}_replay PRIVATE ${libs} vorenda_fuzzreplay)
    set_target_properties(${name}_replay PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fuzz)
    add_test(NAME ${name} COMMAND ${name}_replay ${corpus})
    vorenda_test_environment(env)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env};QT_QPA_PLATFORM=offscreen" LABELS fuzz TIMEOUT 300)

    if(VORENDA_FUZZ)
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${libs})
        target_link_options(${name} PRIVATE -fsanitize=fuzzer)
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/fuzz)
    endif()
endfunction()
