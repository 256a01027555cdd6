# Release packages: a portable ZIP and an NSIS installer, both named from the
# project version. `cpack` in the MinGW build folder makes them (tools/package).

configure_file("${PROJECT_SOURCE_DIR}/resources/README.txt" "${PROJECT_BINARY_DIR}/README.txt" @ONLY)
install(TARGETS Quillmere RUNTIME DESTINATION .)
install(FILES "${PROJECT_BINARY_DIR}/README.txt" DESTINATION .)

set(CPACK_PACKAGE_NAME "Quillmere")
set(CPACK_PACKAGE_VENDOR "Quillmere")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_FILE_NAME "Quillmere-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quillmere")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quillmere")
set(CPACK_PACKAGE_EXECUTABLES "Quillmere" "Quillmere")
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

set(CPACK_NSIS_PACKAGE_NAME "Quillmere")
set(CPACK_NSIS_DISPLAY_NAME "Quillmere")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALLED_ICON_NAME "Quillmere.exe")
set(CPACK_NSIS_MUI_ICON "${PROJECT_BINARY_DIR}/shell/quillmere.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_BINARY_DIR}/shell/quillmere.ico")
set(CPACK_NSIS_URL_INFO_ABOUT "${QUILL_WEB_SITE}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer for a 64-bit program (and for 64-bit-only Wine).
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# The installer also records where it installed; the uninstaller takes that
# record with it, so that nothing of Quillmere stays behind.
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "DeleteRegKey SHCTX \\\"Software\\\\Quillmere\\\"")

include(CPack)
