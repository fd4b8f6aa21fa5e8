# The framework-free layers (the portable framework, the database and text cores,
# the command-line companion) are built more than once from the same sources:
#   plain    always: the programs, the benchmarks, the seed writer;
#   checked  natively, for the tests: AddressSanitizer and UBSan;
#   fuzz     in the fuzz tree: libFuzzer's coverage instrumentation and the sanitizers.
# Each variant's targets carry its suffix ("", "_checked", "_fuzz") and link the
# same variant of the layers below them.
if(VAULTRY_FUZZ)
  set(VAULTRY_VARIANTS plain fuzz)
elseif(CMAKE_CROSSCOMPILING)
  set(VAULTRY_VARIANTS plain)
else()
  set(VAULTRY_VARIANTS plain checked)
endif()

add_library(vaultry_variant_plain INTERFACE)
add_library(vaultry_variant_checked INTERFACE)
target_compile_options(vaultry_variant_checked INTERFACE
  -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_link_options(vaultry_variant_checked INTERFACE -fsanitize=address,undefined)
add_library(vaultry_variant_fuzz INTERFACE)
target_compile_options(vaultry_variant_fuzz INTERFACE
  -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(vaultry_variant_suffix variant out)
  if(variant STREQUAL "plain")
    set(${out} "" PARENT_SCOPE)
  else()
    set(${out} "_${variant}" PARENT_SCOPE)
  endif()
endfunction()

# vaultry_layer(<name> SOURCES <file>... [LAYERS <layer>...] [LIBS <lib>...]
#               [DEFINITIONS <definition>...])
# The static library of one folder, once per variant. LAYERS are other
# vaultry_layer names (linked in the same variant), LIBS system libraries,
# DEFINITIONS private compile definitions. Headers are included from src/.
function(vaultry_layer name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;LAYERS;LIBS;DEFINITIONS")
  foreach(variant IN LISTS VAULTRY_VARIANTS)
    vaultry_variant_suffix(${variant} suffix)
    add_library(${name}${suffix} STATIC ${ARG_SOURCES})
    target_include_directories(${name}${suffix} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    list(TRANSFORM ARG_LAYERS APPEND "${suffix}" OUTPUT_VARIABLE layers)
    target_link_libraries(${name}${suffix} PUBLIC ${layers} ${ARG_LIBS} vaultry_variant_${variant})
    target_compile_definitions(${name}${suffix} PRIVATE ${ARG_DEFINITIONS})
  endforeach()
endfunction()

# vaultry_program_part(<name> <file>...)
# The objects of one folder of the Windows program. The program's folders call
# each other, so app/ gathers them into one library, vaultry_program.
function(vaultry_program_part name)
  add_library(${name} OBJECT ${ARGN})
  target_link_libraries(${name} PUBLIC vaultry_framework vaultry_textio_core)
endfunction()
