# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# The web build, configured by emcmake: the logic, the page and the logic's
# tests, compiled to WebAssembly. The tests run under Node.js, Emscripten's
# emulator for CTest.
#
# Exceptions are Emscripten's JavaScript-based ones, whose runtime libraries
# Debian's package ships ready-built; the heap grows, for long pastes.
target_compile_options(cxxproto_options INTERFACE -fexceptions)
target_link_options(cxxproto_options INTERFACE -fexceptions -sALLOW_MEMORY_GROWTH=1)

# The smallest code, where size is asked for: the page is downloaded.
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG")

add_subdirectory(web)

include(CTest)
if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
