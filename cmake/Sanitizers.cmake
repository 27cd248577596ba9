# SPDX-FileCopyrightText: 2026 The Orvanta developers
# SPDX-License-Identifier: MIT

# Two instrumented builds, each in a folder of its own (scripts/test.sh makes both):
#
# ORVANTA_SANITIZE builds every target with AddressSanitizer, which brings LeakSanitizer with
# it, and UndefinedBehaviorSanitizer. Any finding stops the process at once, so a test that
# meets one fails.
#
# ORVANTA_BUILD_FUZZERS builds the libFuzzer targets in fuzz/. It needs clang: configure with
# -DCMAKE_CXX_COMPILER=clang++. Every target, the platform library included, gets the fuzzer's
# coverage instrumentation and both sanitizers; only the fuzz targets link libFuzzer's main.

option(ORVANTA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORVANTA_BUILD_FUZZERS "Build the libFuzzer targets (needs clang)" OFF)

set(orvanta_sanitizer_flags -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

if(ORVANTA_SANITIZE)
    add_compile_options(${orvanta_sanitizer_flags})
    add_link_options(-fsanitize=address,undefined)
    # GCC's uninitialised-use analysis is unreliable on sanitized code and flags the standard
    # library's own regex and function internals; the normal build keeps the warning.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        add_compile_options(-Wno-maybe-uninitialized)
    endif()
endif()

if(ORVANTA_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "The fuzz targets need clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link ${orvanta_sanitizer_flags})
    add_link_options(-fsanitize=address,undefined)
endif()
