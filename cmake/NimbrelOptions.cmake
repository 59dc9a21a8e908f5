# Warnings and sanitizers shared by every target of the project (not by third-party code).
add_library(nimbrel_options INTERFACE)
target_compile_options(nimbrel_options INTERFACE -Wall -Wextra)
if(NIMBREL_SANITIZE)
  target_compile_options(nimbrel_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(nimbrel_options INTERFACE -fsanitize=address,undefined)
endif()

# nimbrel_add_library(<name> <folder> [LINK libs...]): a static library of every .cpp in the folder.
function(nimbrel_add_library name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC nimbrel_options ${ARG_LINK})
endfunction()

if(NIMBREL_FUZZ)
  # Instrument the libraries for coverage so the fuzzers can find their way into them.
  target_compile_options(nimbrel_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(nimbrel_options INTERFACE -fsanitize=address,undefined)
endif()
