# hl_add_aip(name SOURCES ... LIBRARIES ...)
#
# Builds a host plug-in file <name>.aip into the plug-in folder. The file carries its
# plug-in property list (resources/Pipl.cpp) and exports PluginMain only.
function(hl_add_aip name)
  cmake_parse_arguments(AIP "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name} MODULE ${AIP_SOURCES} ${PROJECT_SOURCE_DIR}/resources/Pipl.cpp)
  hl_target_defaults(${name})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PRIVATE ${AIP_LIBRARIES})
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    SUFFIX ".aip"
    LIBRARY_OUTPUT_DIRECTORY ${HUELINE_PLUGIN_DIR}
    LINK_DEPENDS ${PROJECT_SOURCE_DIR}/resources/PluginExports.map)
  target_link_options(${name} PRIVATE
    -Wl,--version-script=${PROJECT_SOURCE_DIR}/resources/PluginExports.map
    -Wl,--no-undefined)
endfunction()
