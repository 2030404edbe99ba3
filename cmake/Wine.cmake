# Test programs built for Windows run under Wine, through a script that gives
# them the project's own Wine prefix (inside the build folder), a Japanese
# locale (ANSI code page 932) and a private X display when none is set.
set(PLOV_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix used by the tests")
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh --prefix ${PLOV_WINEPREFIX})
