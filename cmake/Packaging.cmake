# Where `cmake --install` puts each file, and the Debian package CPack makes
# of them: `cpack -G DEB` in a build folder (the `package` preset;
# scripts/package-check.sh builds and tries it).
include(GNUInstallDirs)

set(QUORVEL_INSTALL_HELPDIR ${CMAKE_INSTALL_DATADIR}/quorvel/help)
# An installed program looks for its pages in shell::kInstalledHelpFolder,
# relative to its own folder (shell/HelpFolder.h).
file(RELATIVE_PATH help_from_programs ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/quorvel/help)
if(NOT help_from_programs STREQUAL "../share/quorvel/help")
  message(FATAL_ERROR "The programs find their help pages in ../share/quorvel/help from "
                      "their own folder; with these install folders they would be in "
                      "${help_from_programs}. Keep CMAKE_INSTALL_BINDIR and "
                      "CMAKE_INSTALL_DATADIR side by side (bin and share).")
endif()

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(QUORVEL_WITH_QT)
  install(TARGETS quorvel_any5 quorvel_front3 RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY docs/help/ DESTINATION ${QUORVEL_INSTALL_HELPDIR})
  foreach(program Any5 Front3)
    install(FILES data/org.quorvel.${program}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES data/org.quorvel.${program}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endforeach()
  set(icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
  install(FILES data/icons/quorvel.svg DESTINATION ${icons}/scalable/apps)
  foreach(size 32 48 64 128 256)
    install(FILES data/icons/quorvel-${size}.png
            DESTINATION ${icons}/${size}x${size}/apps RENAME quorvel.png)
  endforeach()
endif()

set(QUORVEL_PACKAGE_MAINTAINER "Quorvel developers <quorvel@localhost>"
    CACHE STRING "Maintainer field of the Debian package: name <address>")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR "Quorvel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "wheel filter (缩水) for 11x5 (11选5) lottery bets")
# Lines under 80 columns, as Debian asks; the control file keeps these breaks.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Two desktop programs start from every possible bet of one play type of\n"
    "the 11x5 lottery, strike every bet that breaks a condition the player\n"
    "sets, and list, count and copy the survivors as text, ready to paste\n"
    "into a betting site: quorvel_any5 for the 462 any-5 sets (任选五),\n"
    "quorvel_front3 for the 990 ordered front-3 bets (前三) and their groups.\n"
    "The command-line runner quorvel picks the coldest numbers of recent\n"
    "draws and intersects lists of bets.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${QUORVEL_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The captions are Chinese and the programs ask for this font by name;
# another CJK font also shows them, so it is not a hard dependency.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-noto-cjk)
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
elseif(QUORVEL_WITH_QT)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS
      "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1, libqt6core6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6widgets6 (>= 6.2)")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= 2.34), libstdc++6 (>= 12), libgcc-s1")
endif()
include(CPack)
