# The Debian package of what the install rules install, made by `cpack -G DEB` in the build
# folder (scripts/package does it all). Its version is the project version and its
# dependencies are computed from the program's shared libraries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zandrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Zandrel developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hexagram divination desktop program")
set(CPACK_PACKAGE_DESCRIPTION
    "Zandrel casts a hexagram reading for a question you type, with three buttons
or from a chosen date and two-hour period, and shows the original and final
hexagrams, body and use, the nuclear trigrams and their elements, with the
texts of the reading. Every cast is added to a plain text query log; the texts
of any hexagram can be replaced with your own.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # zandrel_<version>_<architecture>.deb
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time, which no look at its binary can find: the dialog font
# whose sizes every dialog is laid out for; the Chinese font of the Chinese interfaces and the
# lunar dates, Noto Sans CJK, whose SC and TC faces draw the glyph forms of each script (a
# one-style font such as WenQuanYi Micro Hei draws traditional text in mainland forms); a font
# with the symbols the viewers show for control characters (U+2400 to U+2421; Symbola has them
# all in 3 MB, where FreeFont takes 7 MB and Noto's core set 43 MB); and Qt's own
# translations, so that nothing Qt draws stays English in a Chinese interface.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-noto-cjk, fonts-symbola, qt6-translations-l10n")
# Qt's own Wayland platform. The program runs as it is under X11 and XWayland; the package
# brings some 200 others with it, so it is only suggested.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
