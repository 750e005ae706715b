# tavra_generate_skins(SOURCES): makes a skin package from every description SOURCES/*.skin.
# skingen draws the skin folder (build/skins-gen/<description>), skinpack packs it into
# build/bin/skins/<name>.asz (the name as the description's "name:" line spells it, blanks
# included), and a copy named after the description's "internal:" name is added to the global
# property TAVRA_SKIN_PACKAGES for embedding as an internal skin. The target `skins` builds them
# all; the program depends on it.
function(tavra_generate_skins sources)
  file(GLOB descriptions CONFIGURE_DEPENDS ${sources}/*.skin)
  list(SORT descriptions)
  set(packages)
  set(internal_packages)
  foreach(description IN LISTS descriptions)
    get_filename_component(stem ${description} NAME_WE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${description})
    file(STRINGS ${description} name_lines REGEX "^name: ")
    file(STRINGS ${description} internal_lines REGEX "^internal: ")
    list(LENGTH name_lines name_count)
    if(NOT name_count EQUAL 1)
      message(FATAL_ERROR "${description}: exactly one \"name:\" line expected")
    endif()
    # The name keeps a trailing blank; only the one blank after the colon is dropped.
    string(SUBSTRING "${name_lines}" 6 -1 name)
    set(internal "${name}")
    if(internal_lines)
      string(SUBSTRING "${internal_lines}" 10 -1 internal)
    endif()

    set(folder ${CMAKE_BINARY_DIR}/skins-gen/${stem})
    set(package "${TAVRA_BIN_DIR}/skins/${name}.asz")
    set(internal_package "${CMAKE_BINARY_DIR}/skins-internal/${internal}.asz")
    add_custom_command(
      OUTPUT ${folder}/Options.dat
      COMMAND ${TAVRA_RUN_TOOL} $<TARGET_FILE:skingen> ${description} ${folder}
      DEPENDS skingen ${description}
      COMMENT "Drawing the skin ${name}"
      VERBATIM)
    add_custom_command(
      OUTPUT "${package}"
      COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVRA_BIN_DIR}/skins
      COMMAND ${TAVRA_RUN_TOOL} $<TARGET_FILE:skinpack> pack ${folder} "${package}"
      DEPENDS skinpack ${folder}/Options.dat
      COMMENT "Packing the skin ${name}"
      VERBATIM)
    add_custom_command(
      OUTPUT "${internal_package}"
      COMMAND ${CMAKE_COMMAND} -E copy "${package}" "${internal_package}"
      DEPENDS "${package}"
      VERBATIM)
    list(APPEND packages "${package}")
    list(APPEND internal_packages "${internal_package}")
  endforeach()
  add_custom_target(skins ALL DEPENDS ${packages} ${internal_packages})
  set_property(GLOBAL APPEND PROPERTY TAVRA_SKIN_PACKAGES ${internal_packages})
endfunction()
