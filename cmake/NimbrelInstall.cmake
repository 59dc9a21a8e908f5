# Installing: both programs; the desktop entry, AppStream metadata and icons of
# the window program; manual pages, bash completion, the example styles, the
# README and the licence. An installed copy recognises itself by
# share/nimbrel/ beside its bin/ (base/app_folder), so that folder must be
# installed whenever the programs are.
include(GNUInstallDirs)

set(NIMBREL_DIST_DIR ${PROJECT_SOURCE_DIR}/dist)
set(NIMBREL_APP_ID org.nimbrel.Nimbrel)
set(NIMBREL_ICON_SIZES 16 32 48 64 128 256)

set(dist_out ${PROJECT_BINARY_DIR}/dist)
foreach(page nimbrel.1 nimbrel-batch.1)
  configure_file(${NIMBREL_DIST_DIR}/${page}.in ${dist_out}/${page} @ONLY)
  install(FILES ${dist_out}/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
configure_file(${NIMBREL_DIST_DIR}/nimbrel.desktop.in ${dist_out}/${NIMBREL_APP_ID}.desktop @ONLY)
configure_file(${NIMBREL_DIST_DIR}/nimbrel.metainfo.xml.in ${dist_out}/${NIMBREL_APP_ID}.metainfo.xml @ONLY)

install(TARGETS nimbrel-batch nimbrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist_out}/${NIMBREL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${dist_out}/${NIMBREL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${dist_out}/nimbrel-batch.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME nimbrel-batch)
install(DIRECTORY ${NIMBREL_DIST_DIR}/styles/ DESTINATION ${CMAKE_INSTALL_DATADIR}/nimbrel/styles)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nimbrel)

# The bash completion, its value lists filled in at build time from the GIF
# choice tables the command line parses with.
add_executable(nimbrel_write_completion ${NIMBREL_DIST_DIR}/write_completion.cpp)
target_include_directories(nimbrel_write_completion PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(nimbrel_write_completion PRIVATE nimbrel_options)
add_custom_command(
  OUTPUT ${dist_out}/nimbrel-batch.bash-completion
  COMMAND $<TARGET_FILE:nimbrel_write_completion> ${NIMBREL_DIST_DIR}/nimbrel-batch.bash-completion.in
          ${dist_out}/nimbrel-batch.bash-completion
  DEPENDS nimbrel_write_completion ${NIMBREL_DIST_DIR}/nimbrel-batch.bash-completion.in
  COMMENT "Writing the bash completion of nimbrel-batch"
  VERBATIM)
add_custom_target(nimbrel_completion ALL DEPENDS ${dist_out}/nimbrel-batch.bash-completion)

# The icon, drawn at build time as SVG and PNGs from one description.
add_executable(nimbrel_draw_icons ${NIMBREL_DIST_DIR}/draw_icons.cpp)
target_link_libraries(nimbrel_draw_icons PRIVATE nimbrel_options Qt6::Gui)
set(icon_dir ${dist_out}/icons)
set(icon_files ${icon_dir}/nimbrel.svg)
foreach(size ${NIMBREL_ICON_SIZES})
  list(APPEND icon_files ${icon_dir}/nimbrel-${size}.png)
  install(FILES ${icon_dir}/nimbrel-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME nimbrel.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_files}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:nimbrel_draw_icons> ${icon_dir} ${NIMBREL_ICON_SIZES}
  DEPENDS nimbrel_draw_icons
  COMMENT "Drawing the Nimbrel icons"
  VERBATIM)
add_custom_target(nimbrel_icons ALL DEPENDS ${icon_files})
install(FILES ${icon_dir}/nimbrel.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The window tells the desktop which entry it belongs to.
target_compile_definitions(nimbrel PRIVATE NIMBREL_APP_ID="${NIMBREL_APP_ID}")
