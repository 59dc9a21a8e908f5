# Installing: both programs, the desktop entry and icon of the window program,
# and the manual page of nimbrel-batch. The icon is a button nimbrel-batch draws
# at build time, from dist/icon-style.ini.
include(GNUInstallDirs)

set(NIMBREL_DIST_DIR ${PROJECT_SOURCE_DIR}/dist)

set(dist_out ${PROJECT_BINARY_DIR}/dist)
configure_file(${NIMBREL_DIST_DIR}/nimbrel-batch.1.in ${dist_out}/nimbrel-batch.1 @ONLY)
configure_file(${NIMBREL_DIST_DIR}/nimbrel.desktop.in ${dist_out}/nimbrel.desktop @ONLY)

install(TARGETS nimbrel-batch nimbrel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${dist_out}/nimbrel-batch.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${dist_out}/nimbrel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)


add_executable(nimbrel_bmp_to_png ${NIMBREL_DIST_DIR}/bmp_to_png.cpp)
target_include_directories(nimbrel_bmp_to_png PRIVATE ${PROJECT_SOURCE_DIR})
target_link_libraries(nimbrel_bmp_to_png PRIVATE nimbrel_image Qt6::Gui)

set(icon_dir ${PROJECT_BINARY_DIR}/dist)
set(icon_png ${icon_dir}/nimbrel.png)
# Its own application folder, so the build neither reads nor makes the user's settings.
add_custom_command(
  OUTPUT ${icon_png}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}/home
  COMMAND ${CMAKE_COMMAND} -E env NIMBREL_HOME=${icon_dir}/home ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:nimbrel-batch> --no-settings --quiet --style ${NIMBREL_DIST_DIR}/icon-style.ini
          --captions ${NIMBREL_DIST_DIR}/icon-captions.txt --out ${icon_dir} --format bmp
  COMMAND $<TARGET_FILE:nimbrel_bmp_to_png> ${icon_dir}/nimbrel-icon.bmp ${icon_png}
  DEPENDS nimbrel-batch nimbrel_bmp_to_png ${NIMBREL_DIST_DIR}/icon-style.ini
          ${NIMBREL_DIST_DIR}/icon-captions.txt
  COMMENT "Drawing the Nimbrel icon with nimbrel-batch"
  VERBATIM)
add_custom_target(nimbrel_icon ALL DEPENDS ${icon_png})
install(FILES ${icon_png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

