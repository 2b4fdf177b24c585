# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# The Linux program as a desktop installs it: menu entry, icons, metainfo,
# manual pages, and the Debian package of the release it is built on.
# Qt and everything else come from the system's library path.
set_target_properties(cxxproto PROPERTIES INSTALL_RPATH "")
# A release binary carries no compiler banner, as Debian's own do.
if(CMAKE_BUILD_TYPE MATCHES "^(Release|MinSizeRel)$" AND CMAKE_OBJCOPY)
  add_custom_command(TARGET cxxproto POST_BUILD
                     COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment $<TARGET_FILE:cxxproto> VERBATIM)
endif()

include(GNUInstallDirs)

# Folders are 0755 as Debian wants them, whatever the builder's umask (0002
# where each user has a group of their own).
set(folder_permissions OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${folder_permissions})
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${folder_permissions})

set(app_id io.github.cxxproto.cxxproto)
install(TARGETS cxxproto RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES data/${app_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# AppStream 1.0 names the developer in <developer>; earlier versions, as on
# Debian 12, know only <developer_name>. Write what the system's AppStream
# reads (the newer form when it is not installed).
find_program(APPSTREAMCLI appstreamcli)
set(METAINFO_DEVELOPER "<developer id=\"io.github.cxxproto\"><name>The cxxproto developers</name></developer>")
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
  string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" appstream_version "${appstream_version}")
  if(appstream_version VERSION_LESS 1.0)
    set(METAINFO_DEVELOPER "<developer_name>The cxxproto developers</developer_name>")
  endif()
endif()
configure_file(data/${app_id}.metainfo.xml.in ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${app_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/cxxproto.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/cxxproto.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)

# One package per Debian release, built against that release's libraries and
# named after it: 1.0.0-1~deb12 on Debian 12, 1.0.0-1~deb13 on Debian 13.
# The newer release's sorts higher, so upgrading the system upgrades it too.
cmake_host_system_information(RESULT distribution QUERY DISTRIB_ID)
cmake_host_system_information(RESULT release QUERY DISTRIB_VERSION_ID)
cmake_host_system_information(RESULT codename QUERY DISTRIB_VERSION_CODENAME)
set(PACKAGE_REVISION 1)
set(CHANGELOG_DISTRIBUTION unstable)
if(distribution STREQUAL "debian" AND release AND codename)
  set(PACKAGE_REVISION "1~deb${release}")
  set(CHANGELOG_DISTRIBUTION ${codename})
endif()

# Manual pages and the changelog go out compressed, as Debian ships them;
# -n keeps the build date out of the archive.
set(docs ${CMAKE_CURRENT_BINARY_DIR}/docs)
configure_file(data/deb/changelog.in ${docs}/changelog @ONLY)
configure_file(data/deb/copyright.in ${docs}/copyright @ONLY)
set(compressed_docs)
foreach(pair IN ITEMS "${CMAKE_CURRENT_SOURCE_DIR}/data/cxxproto.1;${docs}/man1/cxxproto.1.gz"
                      "${CMAKE_CURRENT_SOURCE_DIR}/data/cxxproto.fr.1;${docs}/fr/man1/cxxproto.1.gz"
                      "${docs}/changelog;${docs}/changelog.Debian.gz")
  list(GET pair 0 source)
  list(GET pair 1 compressed)
  get_filename_component(folder ${compressed} DIRECTORY)
  add_custom_command(OUTPUT ${compressed}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                     COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${source} ${compressed}
                     DEPENDS ${source} VERBATIM)
  list(APPEND compressed_docs ${compressed})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${docs}/man1/cxxproto.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${docs}/fr/man1/cxxproto.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/fr/man1)
install(FILES ${docs}/copyright ${docs}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cxxproto)
set(CPACK_PACKAGE_VENDOR "The cxxproto developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "writer of C++ member function declarations")
set(CPACK_PACKAGE_DESCRIPTION "\
One window, in French, composes the declaration of a C++ member function as
it stands inside a class: fill in its return type, name and parameters (one
per line), tick its qualifiers (inline, virtual, pure virtual, const) and
pick its access level on a slider, then copy the two finished lines. The
declaration is coloured green, orange or red by access level.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PACKAGE_REVISION})
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CXXPROTO_MAINTAINER}")
# Libraries come from dpkg-shlibdeps. The fonts, the Wayland platform
# plugin and Qt's French strings are loaded at run time, out of its sight.
# The narrow sans serif of the captions is a package of its own from Debian
# 13 on; fonts-liberation 1.x carries it up to Debian 12.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-liberation-sans-narrow | fonts-liberation (<< 1:2)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
include(CPack)
