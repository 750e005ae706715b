# Installing: the program with its content store and skins under PREFIX/lib/tavra (the content
# root is the executable's folder), a launcher PREFIX/bin/tavra, the desktop entry, the icon in
# the hicolor sizes and AppStream metadata. `cpack -G DEB` packs the same tree for Debian.
set(TAVRA_PROGRAM_DESTINATION lib/tavra)

if(TARGET tavra)
  install(TARGETS tavra RUNTIME DESTINATION ${TAVRA_PROGRAM_DESTINATION})
  foreach(folder mat prim zd vop pril test dmat skins)
    install(DIRECTORY ${TAVRA_BIN_DIR}/${folder} DESTINATION ${TAVRA_PROGRAM_DESTINATION})
  endforeach()
  install(FILES ${TAVRA_BIN_DIR}/help.mht ${TAVRA_BIN_DIR}/flash.swf DESTINATION ${TAVRA_PROGRAM_DESTINATION})

  set(TAVRA_BIN_TO_PROGRAM ../${TAVRA_PROGRAM_DESTINATION})
  configure_file(${PROJECT_SOURCE_DIR}/packaging/tavra.in ${CMAKE_BINARY_DIR}/packaging/tavra @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/packaging/tavra DESTINATION bin)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.tavra.Tavra.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/org.tavra.Tavra.metainfo.xml DESTINATION share/metainfo)

# The icon, drawn by tools/tavra-icon.
set(TAVRA_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
add_custom_command(
  OUTPUT ${TAVRA_ICON_DIR}/scalable/apps/tavra.svg ${TAVRA_ICON_DIR}/48x48/apps/tavra.png
  COMMAND ${TAVRA_RUN_TOOL} $<TARGET_FILE:tavra-icon> ${TAVRA_ICON_DIR}
  DEPENDS tavra-icon
  COMMENT "Drawing the desktop icon")
add_custom_target(icons ALL DEPENDS ${TAVRA_ICON_DIR}/scalable/apps/tavra.svg ${TAVRA_ICON_DIR}/48x48/apps/tavra.png)
install(DIRECTORY ${TAVRA_ICON_DIR}/ DESTINATION share/icons/hicolor)

# The Debian package.
set(CPACK_PACKAGE_NAME tavra)
set(CPACK_PACKAGE_VENDOR "Tavra")
set(CPACK_PACKAGE_CONTACT "Tavra developers <tavra@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronic textbook on partial differential equations")
set(CPACK_PACKAGE_DESCRIPTION
    "The textbook of the course Veltrana, part one, in Russian: the course by its table of contents, worked examples, tasks, self-check questions, appendices and a self-test graded 2 to 5, in windows drawn by 51 switchable skins.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Shared libraries are found by dpkg-shlibdeps; the faces the windows and pages name are fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation2, fonts-urw-base35, fonts-stix, fontconfig")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_GENERATOR DEB)
include(CPack)
