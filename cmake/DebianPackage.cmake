# The Debian package: the program as /usr/games/pallox, its data in /usr/share/pallox, the menu
# entry, icons, AppStream metadata, manual page and copyright. These rules belong to the component
# "debian" and are left out of a plain `cmake --install`, which keeps making the portable folder;
# cpack installs this component alone (CPACK_INSTALL_CMAKE_PROJECTS below). The program finds out
# by its own place that it was installed this way (src/library/FilePlaces.*), so the package is
# made from any build, the test build included, without compiling anything again.
set(PALLOX_APPSTREAM_ID "org.example.Pallox" CACHE STRING "Reverse-DNS id of the menu entry and the AppStream metadata")
set(PALLOX_PACKAGE_MAINTAINER "Pallox developers <pallox@example.org>" CACHE STRING "Maintainer of the Debian package")
set(PALLOX_PACKAGE_PREFIX /usr)
set(_debian COMPONENT debian EXCLUDE_FROM_ALL)

install(TARGETS pallox RUNTIME DESTINATION games ${_debian})
install(FILES ${PALLOX_DATA_DIR}/PALLOX.ini DESTINATION share/pallox ${_debian})
# The skins' font is Debian's own, from fonts-pc: a link below takes the place of the copy that
# the portable folder carries, licence file and all.
install(DIRECTORY ${PALLOX_DATA_DIR}/Skins ${PALLOX_DATA_DIR}/Games DESTINATION share/pallox ${_debian}
        PATTERN "Px_IBM_VGA8*" EXCLUDE)

# Links within /usr are relative in a package. The sample library's links into other packages'
# data are made so, and the font's link is added.
set(_links "${PALLOX_PACKAGE_PREFIX}/share/fonts/pc/Px_IBM_VGA8.ttf|share/pallox/Skins/Px_IBM_VGA8.ttf")
file(GLOB_RECURSE _games LIST_DIRECTORIES false RELATIVE ${PALLOX_DATA_DIR} ${PALLOX_DATA_DIR}/Games/*)
foreach(_file ${_games})
  if(IS_SYMLINK ${PALLOX_DATA_DIR}/${_file})
    file(READ_SYMLINK ${PALLOX_DATA_DIR}/${_file} _target)
    list(APPEND _links "${_target}|share/pallox/${_file}")
  endif()
endforeach()
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/links.cmake CONTENT [==[
set(_root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(_links [[@_links@]])
foreach(_link IN LISTS _links)
  string(REPLACE "|" ";" _link "${_link}")
  list(GET _link 0 _target)
  list(GET _link 1 _name)
  get_filename_component(_folder "@PALLOX_PACKAGE_PREFIX@/${_name}" DIRECTORY)
  if(IS_ABSOLUTE "${_target}")
    file(RELATIVE_PATH _target "${_folder}" "${_target}")
  endif()
  file(REMOVE "${_root}/${_name}")
  file(CREATE_LINK "${_target}" "${_root}/${_name}" SYMBOLIC)
endforeach()
]==] @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/packaging/links.cmake ${_debian})

# The same menu entry as the portable one.
file(READ ${CMAKE_CURRENT_SOURCE_DIR}/packaging/pallox.desktop.in _entry)
set(PALLOX_EXEC ${PALLOX_PACKAGE_PREFIX}/games/pallox)
set(PALLOX_PATH_LINE "")
string(CONFIGURE "${_entry}" _entry @ONLY)
string(REPLACE "\n\n" "\n" _entry "${_entry}")
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/packaging/${PALLOX_APPSTREAM_ID}.desktop CONTENT "${_entry}")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${PALLOX_APPSTREAM_ID}.desktop DESTINATION share/applications
        ${_debian})
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/pallox.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${PALLOX_APPSTREAM_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${PALLOX_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo
        ${_debian})

install(FILES packaging/pallox.svg DESTINATION share/icons/hicolor/scalable/apps ${_debian})
file(GLOB _icon_sizes RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons ${CMAKE_CURRENT_SOURCE_DIR}/packaging/icons/*)
foreach(_size ${_icon_sizes})
  install(FILES packaging/icons/${_size}/pallox.png DESTINATION share/icons/hicolor/${_size}/apps ${_debian})
endforeach()
install(FILES packaging/copyright DESTINATION share/doc/pallox ${_debian})

# Debian compresses manual pages and changelogs, without a time stamp in the gzip header, so that
# the same sources give the same package.
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/packaging/pallox.6.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/pallox.6 @ONLY)
install(CODE "
  set(_root \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  file(MAKE_DIRECTORY \"\${_root}/share/man/man6\" \"\${_root}/share/doc/pallox\")
  execute_process(COMMAND gzip -9n -c \"${CMAKE_CURRENT_BINARY_DIR}/packaging/pallox.6\"
                  OUTPUT_FILE \"\${_root}/share/man/man6/pallox.6.gz\" COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND gzip -9n -c \"${CMAKE_CURRENT_SOURCE_DIR}/packaging/changelog\"
                  OUTPUT_FILE \"\${_root}/share/doc/pallox/changelog.gz\" COMMAND_ERROR_IS_FATAL ANY)
" ${_debian})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pallox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${PALLOX_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "front-end for a collection of old games and their emulators")
# Lines of the extended description as Debian wants them: under 80 columns, a blank line between
# paragraphs.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pallox keeps a personal collection of old games in one library folder,\n"
  "a folder for each game with its facts, box pictures, screens, manual and\n"
  "notes, and shows it as a sortable list with a details panel, filters,\n"
  "category menus, a picture sheet and a Nostalgia view that frames each game\n"
  "with a computer of its time. It starts each game in its emulator: DOSBox,\n"
  "ScummVM, MAME and a dozen more, or emulators of the user's own.\n"
  "\n"
  "A sample library of invented games comes with it; the settings are kept in\n"
  "the user's own configuration folder.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/pallox/")
# The libraries the program links come from dpkg-shlibdeps and are added to these.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-pc")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "dosbox, scummvm, beneath-a-steel-sky")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_PACKAGING_INSTALL_PREFIX ${PALLOX_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};Pallox;debian;/")
include(CPack)
