# What a release ships beside the program: its read-me (with the version filled
# in) and the licence. `cmake --install` lays them out; tools/package makes the
# ZIP, the installer and the MSI from the same files.

configure_file("${PROJECT_SOURCE_DIR}/resources/README.txt" "${PROJECT_BINARY_DIR}/README.txt" @ONLY)
install(TARGETS Quillmere quillmere_cli RUNTIME DESTINATION .)
install(FILES "${PROJECT_BINARY_DIR}/README.txt" "${PROJECT_SOURCE_DIR}/LICENSE.txt" DESTINATION .)
