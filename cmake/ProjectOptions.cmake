# Compiler settings shared by every target of the project.

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  # Paths relative to the checkout, so a fresh clone elsewhere hits what an earlier one cached.
  set(HUELINE_CCACHE ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
      ${CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${HUELINE_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${HUELINE_CCACHE})
endif()

add_library(hl_options INTERFACE)
target_compile_options(hl_options INTERFACE -Wall -Wextra -Werror)

if(HUELINE_SANITIZE)
  set(_hl_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_compile_options(${_hl_sanitizers})
  add_link_options(-fsanitize=address,undefined)
endif()

# hl_target_defaults(target): project warnings for a target of our own.
function(hl_target_defaults target)
  target_link_libraries(${target} PRIVATE hl_options)
endfunction()
