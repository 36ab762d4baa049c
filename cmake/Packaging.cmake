# The Debian package, built by `cpack --preset package` (see scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gridcode)
set(CPACK_PACKAGE_VENDOR "The gridcode developers")
set(CPACK_PACKAGE_CONTACT "The gridcode developers <maintainers@gridcode.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grid of 2-bit cells to BASIC DATA lines")
set(CPACK_PACKAGE_DESCRIPTION
    "gridcode is a small desktop editor: fill a grid of 14 by 10 cells with the\n"
    "digits 0 to 3 and it packs each row into seven hexadecimal digits, gathered\n"
    "into two BASIC DATA lines, and shows the grid as a picture to paint on.\n"
    "Grids are saved as one-line text files or PNG pictures. gridcode-data\n"
    "converts grid files to DATA lines and PNG pictures, and back, from the\n"
    "command line.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries are found from the binaries; the Japanese font and the toolkit's
# translations are recommended, as the program runs without them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
