# Settings every Quillmere target shares, applied per target.

option(QUILL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(quill_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_17)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    # No build folder or build time in anything the compiler records, so that
    # one commit builds to the same bytes wherever it is built.
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8 /Brepro)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                                 -Wno-sign-conversion
                                                 "-ffile-prefix-map=${PROJECT_SOURCE_DIR}=."
                                                 "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
    endif()
    if(QUILL_SANITIZE)
        # Any finding stops the program, so a test that trips one fails.
        set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${sanitizers})
        target_link_options(${target} PUBLIC ${sanitizers})
    endif()
endfunction()

# A MinGW executable carries its C and C++ runtimes inside, so it needs no DLL
# beyond those Windows ships.
function(quill_executable_defaults target)
    if(MINGW)
        target_link_options(${target} PRIVATE -static)
        # The static runtimes bring their symbols and debug sections along; a
        # release exe ships without them (MSVC keeps them in the .pdb anyway).
        target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
        # The same sources give the same bytes: no link time in the PE header.
        target_link_options(${target} PRIVATE -Wl,--no-insert-timestamp)
    elseif(MSVC)
        target_link_options(${target} PRIVATE /Brepro)
    endif()
endfunction()
