# One static library per layer and per feature. A library sees only its own
# headers and those of the libraries it links: each library gets a folder of
# forwarding headers under the build tree (one per header it lists, at the path
# code includes it by), and that folder is its only include directory. So an
# include of a library that is not linked, sideways or upwards, does not
# compile. tools/check_layers.py checks the same edges on the sources.
#
#   vantorel_layer_library(NAME BASE_DIR
#     SOURCES <.cpp and .h files, relative to BASE_DIR>
#     [LINKS <libraries it may use>] [PRIVATE_LINKS <...>])
#
# BASE_DIR is the folder include paths start from (src/ for "link/DeviceLink.h",
# the project root for "emulator/device/EmulatedDevice.h").
set(VANTOREL_INCLUDE_VIEWS ${CMAKE_BINARY_DIR}/include-views)

function(vantorel_layer_library name base)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "SOURCES;LINKS;PRIVATE_LINKS")
  set(view ${VANTOREL_INCLUDE_VIEWS}/${name})
  set(files)
  foreach(file IN LISTS ARG_SOURCES)
    set(path ${base}/${file})
    list(APPEND files ${path})
    if(file MATCHES "\\.h$")
      # Written only when its text changes, so a new configure rebuilds nothing.
      file(CONFIGURE OUTPUT ${view}/${file} CONTENT "#include \"${path}\"\n")
    endif()
  endforeach()
  add_library(${name} STATIC ${files})
  target_include_directories(${name} PUBLIC ${view})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE ${ARG_PRIVATE_LINKS})
endfunction()
