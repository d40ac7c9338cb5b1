# Each layer of src/ is a static library of its own.  Its headers are reached
# as "<layer>/<file>.h" through a folder that holds that layer alone, and a
# library sees only its own folder and those of the layers it links: an
# include that runs up the layers (records including "game/...") finds no
# file and the build fails there, not in a review.
function(tallimor_layer layer)
  cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "" "SOURCES;LINKS")
  set(include_dir ${CMAKE_BINARY_DIR}/layers/${layer})
  file(MAKE_DIRECTORY ${include_dir})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${layer} ${include_dir}/${layer} SYMBOLIC)
  add_library(tallimor_${layer} STATIC ${LAYER_SOURCES})
  target_include_directories(tallimor_${layer} PUBLIC ${include_dir})
  target_link_libraries(tallimor_${layer} PUBLIC ${LAYER_LINKS})
endfunction()
