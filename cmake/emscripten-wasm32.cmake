# Building for the browser as WebAssembly with Debian's emscripten (3.1.6, on clang 14). Its own
# platform file does the work; this one finds it, and lets Node.js run what is built, so CTest can
# run the tests of the search on this machine.

# emcc on the PATH is a link (Debian) or a script (emsdk) in the folder that holds that file.
find_program(PONDERIVAL_EMCC emcc REQUIRED)
file(REAL_PATH "${PONDERIVAL_EMCC}" emcc_file)
get_filename_component(emscripten_root "${emcc_file}" DIRECTORY)

# Node 18 and later have a fetch function, and the loader of 3.1.6 takes that for a browser's and
# fails to fetch the .wasm file from a path; without it the loader reads the file itself.
find_program(PONDERIVAL_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${PONDERIVAL_NODE};--no-experimental-fetch")

include("${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")

# emcc minifies the program's JavaScript with the acorn parser, which Debian keeps in
# /usr/share/nodejs: Debian's own Node.js looks there, other builds of Node.js need telling.
if(EXISTS /usr/share/nodejs/acorn)
    set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND};-E;env;NODE_PATH=/usr/share/nodejs")
endif()
