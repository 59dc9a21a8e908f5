# Warnings and sanitizers shared by every target of the project (not by third-party code).
add_library(nimbrel_options INTERFACE)
target_compile_options(nimbrel_options INTERFACE -Wall -Wextra)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports impossible overlaps and over-reads inside its own std::string
  # code once it is compiled as C++20 (GCC bug 105329); they are not ours to fix.
  target_compile_options(nimbrel_options INTERFACE -Wno-restrict -Wno-stringop-overread)
endif()
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
