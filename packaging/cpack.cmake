# SPDX-FileCopyrightText: 2026 The Strumkin team
# SPDX-License-Identifier: MIT
# The Debian package, built by scripts/package with `cpack -G DEB` in a
# Release tree configured for the prefix /usr: strumkin_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME strumkin)
set(CPACK_PACKAGE_VENDOR "The Strumkin team")
set(CPACK_PACKAGE_CONTACT "The Strumkin team <strumkin@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://example.org/strumkin)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop tutor for beginning guitar players")
# The extended description; CPack puts the summary above it as the synopsis.
set(CPACK_PACKAGE_DESCRIPTION "Strumkin teaches fourteen guitar chords, the major and the minor chord on
each root from A to G. Each chord page shows both chords of its root side
by side with a fretboard diagram, the finger numbers and the fingering in
words. A chord's instructions can be saved to a text file and a one-chord
sheet printed; clicking a diagram plays the chord.")
# The shared libraries come from dpkg-shlibdeps; these are what the program
# runs or reads without linking them: the opener of its help and readme, the
# guitar it plays, and the fonts that stand in for its designs' own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "xdg-utils, timgm6mb-soundfont, fonts-liberation2, fonts-dejavu-core, fonts-dancingscript, fonts-urw-base35, fonts-cabinsketch, fonts-humor-sans, fonts-comic-neue, fonts-sil-andika, fonts-staypuft, fonts-cherrybomb, fonts-league-spartan, fonts-blankenburg, fonts-gotico-antiqua")
include(CPack)
