# The Debian package: the files it holds beyond the programs, tables, icons and desktop file (man
# page, AppStream metainfo, README, changelog and docs), and how CPack builds it. `cpack -G DEB` in
# a build folder, or scripts/package.sh, writes quorlan_<version>_<arch>.deb.

set(QUORLAN_SCREENSHOT_URL "" CACHE STRING
    "Public https address of a screenshot for the AppStream metainfo (left out when empty)")
# The release entry of the metainfo: set this with each new project version.
set(QUORLAN_RELEASE_DATE 2026-12-07)

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build_dir ${PROJECT_BINARY_DIR}/packaging)

# The man page, gzipped as Debian has them; -n leaves out name and time, so rebuilds are identical.
set(man_page ${packaging_build_dir}/quorlan-cli.1.gz)
add_custom_command(OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_build_dir}
    COMMAND gzip -9 -n -c ${packaging_dir}/quorlan-cli.1 > ${man_page}
    DEPENDS ${packaging_dir}/quorlan-cli.1
    VERBATIM)
add_custom_target(quorlan_man_page ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES README.md CHANGELOG.md DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorlan)
# The README links into docs/, and the man page names docs/tables.md: they go beside it, with the
# pictures they show, so that every link of the installed copy still holds.
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorlan/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")
# The licence, in the machine-readable form Debian keeps beside each package's documents.
install(FILES ${packaging_dir}/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorlan)

# The metainfo describes the desktop program, so it comes with it.
if(TARGET quorlan)
    set(QUORLAN_METAINFO_SCREENSHOTS "")
    if(QUORLAN_SCREENSHOT_URL)
        # Software centres fetch the picture themselves: only a public https address will do.
        if(NOT QUORLAN_SCREENSHOT_URL MATCHES "^https://[^ <>\"]+$")
            message(FATAL_ERROR "QUORLAN_SCREENSHOT_URL must be an https address, not '${QUORLAN_SCREENSHOT_URL}'")
        endif()
        string(REPLACE "&" "&amp;" screenshot_xml_url "${QUORLAN_SCREENSHOT_URL}")
        string(CONCAT QUORLAN_METAINFO_SCREENSHOTS
            "  <screenshots>\n"
            "    <screenshot type=\"default\">\n"
            "      <caption>The dialog after a deviation calculation: P7 at 25 mm</caption>\n"
            "      <image>${screenshot_xml_url}</image>\n"
            "    </screenshot>\n"
            "  </screenshots>\n")
    endif()
    configure_file(${packaging_dir}/io.github.quorlan.Quorlan.metainfo.xml.in
                   ${packaging_build_dir}/io.github.quorlan.Quorlan.metainfo.xml @ONLY)
    install(FILES ${packaging_build_dir}/io.github.quorlan.Quorlan.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorlan)
# All four parts: CPack on its own would leave out the last one.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorlan developers")
set(CPACK_PACKAGE_CONTACT "Quorlan developers <dev@quorlan.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped by hand: the lines of a Debian description stay under 80 columns.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Quorlan calculates standard tolerances, limit deviations and preferred fits\n"
    "of the ISO system of limits and fits (ISO 286) for nominal sizes up to\n"
    "500 mm: a dialog window in Simplified Chinese (quorlan) and a command line\n"
    "for scripts (quorlan-cli).")
# Debian packages install into /usr whatever prefix the build folder was configured with; the desktop
# file's Path= follows, as it is written at install time.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# quorlan_<version>_<arch>.deb
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps (packages dpkg-dev and file); these are the others.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET quorlan)
    # The dialog's layout is measured in this font, and its texts are Chinese.
    # libqt6svg6: its image plugin draws the fit diagram; loaded on first use, so no library scan finds it.
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei, libqt6svg6")
    # Qt's own button texts in Chinese, like the rest of the dialog.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
endif()
# The Python module is built for the system's Python 3.11; without it the rest works all the same.
if(TARGET quorlan_python)
    string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS ${CPACK_DEBIAN_PACKAGE_RECOMMENDS} "python3 (>= 3.11)"
           "python3 (<< 3.12)")
endif()
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)

# Building the package and checking what it holds is a test of its own. A sanitizer build is no
# package to ship, so it is left out there.
find_program(DPKG_DEB_PROGRAM dpkg-deb)
if(BUILD_TESTING AND TARGET quorlan AND DPKG_DEB_PROGRAM AND CMAKE_CPACK_COMMAND AND NOT QUORLAN_SANITIZE)
    add_test(NAME debian_package COMMAND ${PROJECT_SOURCE_DIR}/scripts/check-package.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(debian_package PROPERTIES LABELS package TIMEOUT 300)
endif()
