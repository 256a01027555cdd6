# Emscripten, wherever emcc is found (Debian puts it in /usr/share/emscripten).
find_program(QUILL_EMCC emcc REQUIRED)
get_filename_component(quill_emcc_real "${QUILL_EMCC}" REALPATH)
get_filename_component(quill_emscripten_root "${quill_emcc_real}" DIRECTORY)
include("${quill_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake")

# Emscripten's optimizer runs on Node and needs the acorn parser; Debian keeps
# it in its own module folder, which Node does not search by itself.
if(EXISTS /usr/share/nodejs/acorn)
    set(CMAKE_CXX_COMPILER_LAUNCHER "${CMAKE_COMMAND}" -E env NODE_PATH=/usr/share/nodejs)
    set(CMAKE_CXX_LINKER_LAUNCHER "${CMAKE_COMMAND}" -E env NODE_PATH=/usr/share/nodejs)
endif()
