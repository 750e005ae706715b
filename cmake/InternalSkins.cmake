# tavra_embed_skin_packages(TARGET FOLDER): compiles every skin package FOLDER/*.asz into TARGET
# as the program's internal skins. The order is that of FOLDER/order.txt (one package name per
# line, without ".asz"; blank lines and lines starting with "#" are skipped), followed by the
# packages it does not list, by name. Packages produced by other build steps can be added to the
# global property TAVRA_SKIN_PACKAGES (full paths) before this runs.
function(tavra_embed_skin_packages target folder)
  file(GLOB found CONFIGURE_DEPENDS ${folder}/*.asz)
  get_property(generated GLOBAL PROPERTY TAVRA_SKIN_PACKAGES)
  list(APPEND found ${generated})
  list(SORT found)

  set(ordered)
  set(order_file ${folder}/order.txt)
  if(EXISTS ${order_file})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${order_file})
    file(STRINGS ${order_file} names)
    foreach(name IN LISTS names)
      string(STRIP "${name}" name)
      if(name STREQUAL "" OR name MATCHES "^#")
        continue()
      endif()
      foreach(package IN LISTS found)
        get_filename_component(stem ${package} NAME_WLE)
        if(stem STREQUAL name)
          list(APPEND ordered ${package})
          list(REMOVE_ITEM found ${package})
          break()
        endif()
      endforeach()
    endforeach()
  endif()
  list(APPEND ordered ${found})

  set(output ${CMAKE_BINARY_DIR}/generated/EmbeddedSkinPackages.cpp)
  string(REPLACE ";" "|" packed_list "${ordered}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DPACKAGES=${packed_list}
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedSkinPackages.cmake
    DEPENDS ${ordered} ${PROJECT_SOURCE_DIR}/cmake/EmbedSkinPackages.cmake
    COMMENT "Embedding internal skin packages"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
