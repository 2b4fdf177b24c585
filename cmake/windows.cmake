# SPDX-FileCopyrightText: 2026 The cxxproto developers
# SPDX-License-Identifier: MIT

# The Windows program: a GUI executable that opens no console, in a folder
# that runs as it is, wherever it is unpacked. Beside cxxproto.exe lie Qt's
# DLLs, the MinGW runtime, the plugins Qt loads at run time (Debian's Qt
# does not link them in) and Qt's French strings, found through qt.conf.
set_target_properties(cxxproto PROPERTIES WIN32_EXECUTABLE ON)
# Its header carries no time of linking: rebuilt, it is the same file.
target_link_options(cxxproto PRIVATE LINKER:--no-insert-timestamp)

# The icon, drawn from the project's own at every size Explorer, the taskbar
# and the Start menu ask for; the largest is kept as PNG, as Windows expects.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(windows_icon ${PROJECT_BINARY_DIR}/cxxproto.ico)
set(icon_images)
foreach(size IN ITEMS 16 24 32 48 64 256)
  set(image ${PROJECT_BINARY_DIR}/icon/cxxproto-${size}.png)
  add_custom_command(OUTPUT ${image}
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/icon
                     COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --output ${image}
                             ${PROJECT_SOURCE_DIR}/data/cxxproto.svg
                     DEPENDS ${PROJECT_SOURCE_DIR}/data/cxxproto.svg VERBATIM)
  list(APPEND icon_images ${image})
endforeach()
list(POP_BACK icon_images largest_image)
add_custom_command(OUTPUT ${windows_icon}
                   COMMAND ${ICOTOOL} --create --output=${windows_icon} ${icon_images} --raw=${largest_image}
                   DEPENDS ${icon_images} ${largest_image} VERBATIM)

# The version the file's properties show, and the manifest: Windows 10 and
# 11, the user's own rights, sharp on every monitor.
set(WINDOWS_ICON ${windows_icon})
set(WINDOWS_MANIFEST ${PROJECT_BINARY_DIR}/cxxproto.manifest)
configure_file(data/windows/cxxproto.manifest.in ${WINDOWS_MANIFEST} @ONLY)
configure_file(data/windows/cxxproto.rc.in ${PROJECT_BINARY_DIR}/cxxproto.rc @ONLY)
target_sources(cxxproto PRIVATE ${PROJECT_BINARY_DIR}/cxxproto.rc)
set_source_files_properties(${PROJECT_BINARY_DIR}/cxxproto.rc PROPERTIES
                            OBJECT_DEPENDS "${windows_icon};${WINDOWS_MANIFEST}")

# The runtime libraries the compiler links every program against; the stack
# protector's (libssp) where the compiler has one.
set(mingw_runtime)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE path
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
    list(APPEND mingw_runtime ${path})
  elseif(NOT dll STREQUAL libssp-0.dll)
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} has no ${dll}")
  endif()
endforeach()

# Qt's own strings in French: the same file on every platform, taken from
# the host's Qt translations.
find_file(QTBASE_FR qtbase_fr.qm PATHS /usr/share/qt6/translations REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

find_package(Qt6 REQUIRED COMPONENTS Test)

# Qt looks for its plugins and translations from the program's folder,
# wherever that is: plugins in platforms\ and styles\, translations in
# translations\.
set(qt_conf ${PROJECT_BINARY_DIR}/qt.conf)
file(WRITE ${qt_conf} "[Paths]\nPrefix = .\nPlugins = .\n")

# What the program's folder holds besides the program, as folder;file pairs.
set(windows_runtime
    ".;$<TARGET_FILE:Qt6::Core>" ".;$<TARGET_FILE:Qt6::Gui>" ".;$<TARGET_FILE:Qt6::Widgets>" ".;${qt_conf}"
    "platforms;$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
    "styles;$<TARGET_FILE:Qt6::QModernWindowsStylePlugin>"
    "translations;${QTBASE_FR}")
foreach(dll IN LISTS mingw_runtime)
  list(APPEND windows_runtime ".;${dll}")
endforeach()

# The build's own folder of programs gets the same, and what the tests
# need more: Qt Test and the offscreen platform.
set(build_runtime ${windows_runtime} ".;$<TARGET_FILE:Qt6::Test>"
                  "platforms;$<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>")
set(copies)
while(build_runtime)
  list(POP_FRONT build_runtime folder file)
  list(APPEND copies COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder}
       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${file} ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/${folder})
endwhile()
add_custom_target(windows_runtime ALL ${copies} VERBATIM)

install(TARGETS cxxproto RUNTIME DESTINATION .)
while(windows_runtime)
  list(POP_FRONT windows_runtime folder file)
  install(FILES ${file} DESTINATION ${folder})
endwhile()

# The installer's description, for script/package-windows. The upgrade code
# names cxxproto in every version; each version's product code is drawn
# from it and the version, so a rebuild of one version keeps its code.
set(MSI_UPGRADE_CODE AAAB83C4-85A4-4757-B4D3-54BFD17F5EA3)
string(UUID MSI_PRODUCT_CODE NAMESPACE ${MSI_UPGRADE_CODE} NAME "product ${PROJECT_VERSION}" TYPE SHA1 UPPER)
string(UUID MSI_SHORTCUT_COMPONENT NAMESPACE ${MSI_UPGRADE_CODE} NAME "start menu entry" TYPE SHA1 UPPER)
configure_file(data/windows/cxxproto.wxs.in ${PROJECT_BINARY_DIR}/cxxproto.wxs @ONLY)
