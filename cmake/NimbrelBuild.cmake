# Warnings and sanitizers shared by every target of the project (not by third-party code).
add_library(nimbrel_options INTERFACE)
target_compile_options(nimbrel_options INTERFACE -Wall -Wextra)
if(NIMBREL_STRICT_WARNINGS)
  target_compile_options(nimbrel_options INTERFACE
    -Wshadow -Wconversion -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual)
endif()
if(NIMBREL_WARNINGS_AS_ERRORS)
  target_compile_options(nimbrel_options INTERFACE -Werror)
endif()
if(NIMBREL_SANITIZE)
  target_compile_options(nimbrel_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(nimbrel_options INTERFACE -fsanitize=address,undefined)
endif()
if(NIMBREL_FUZZ)
  # Instrument the libraries for coverage so the fuzzers can find their way into them.
  target_compile_options(nimbrel_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(nimbrel_options INTERFACE -fsanitize=address,undefined)
endif()

# nimbrel_add_library(<name> <sources...> [LINK <libs...>]): one static library
# of a folder. LINK names exactly the libraries the folder may use, so an include
# from a layer it may not see fails to link (and, for Qt, to compile).
function(nimbrel_add_library name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC nimbrel_options ${ARG_LINK})
endfunction()
