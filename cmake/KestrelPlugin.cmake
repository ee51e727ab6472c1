# kestrel_add_plugin(<target> SOURCES <files...> RESOURCES <json files...> [OUTPUT_DIR dir])
#
# Builds one deliverable: a shared library whose only exported symbol is
# PluginMain (linker version script, -z defs), linked with the plug-in shell,
# with its resource files embedded in the ".kestrel.resources" ELF section
# (the shell's common resources first). The library goes to OUTPUT_DIR
# (default ${KESTREL_PLUGIN_DIR}) as lib<target>.so.
#
# kestrel_embed_resources(<target> <json files...>) embeds resource files
# into any target as that section (the loader's tests use it for libraries
# that are meant to be refused).
set(KESTREL_PLUGIN_DIR "${CMAKE_BINARY_DIR}/plugins" CACHE INTERNAL "")
set(KESTREL_PLUGIN_CMAKE_DIR "${CMAKE_CURRENT_LIST_DIR}")

function(kestrel_embed_resources target)
  set(incbins "")
  set(files "")
  foreach(res IN LISTS ARGN)
    get_filename_component(abs "${res}" ABSOLUTE)
    list(APPEND files "${abs}")
    string(APPEND incbins "    .incbin \"${abs}\"\n    .byte 0\n")
  endforeach()
  set(asm "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.S")
  file(WRITE "${asm}.in"
"/* Generated: the resources of ${target}, one NUL-ended JSON document each. */
    .section .kestrel.resources,\"a\",@progbits
${incbins}    .section .note.GNU-stack,\"\",@progbits
")
  configure_file("${asm}.in" "${asm}" COPYONLY)
  set_source_files_properties("${asm}" PROPERTIES OBJECT_DEPENDS "${files}")
  target_sources(${target} PRIVATE "${asm}")
endfunction()

function(kestrel_add_plugin target)
  cmake_parse_arguments(ARG "" "OUTPUT_DIR" "SOURCES;RESOURCES" ${ARGN})
  if(NOT ARG_OUTPUT_DIR)
    set(ARG_OUTPUT_DIR "${KESTREL_PLUGIN_DIR}")
  endif()
  add_library(${target} SHARED ${ARG_SOURCES})
  kestrel_embed_resources(${target} ${KESTREL_SHELL_RESOURCES} ${ARG_RESOURCES})
  target_link_libraries(${target} PRIVATE kestrel_shell)
  target_compile_options(${target} PRIVATE $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti>)
  set_target_properties(${target} PROPERTIES
    C_VISIBILITY_PRESET hidden CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
    LIBRARY_OUTPUT_DIRECTORY "${ARG_OUTPUT_DIR}"
    LINK_DEPENDS "${KESTREL_PLUGIN_CMAKE_DIR}/plugin.map")
  target_link_options(${target} PRIVATE
    "-Wl,--version-script=${KESTREL_PLUGIN_CMAKE_DIR}/plugin.map" "-Wl,-z,defs")
endfunction()
