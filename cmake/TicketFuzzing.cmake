# libFuzzer builds: all of our code gets coverage instrumentation plus the
# address and undefined-behaviour checks; only the fuzz targets link the
# fuzzer's own main().
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TICKET_BUILD_FUZZERS needs clang (CXX=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
# The conventional switch for limits that keep each input fast to run; the
# limits themselves are still checked, only with smaller numbers.
add_compile_definitions(FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION)
