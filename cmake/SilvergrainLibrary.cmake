# One library per core folder. A library sees the headers of its own folder and of the
# libraries it links, and nothing else: each folder is exposed through an include root of its
# own that holds only a link to it, so an include in the wrong direction does not build.

set(SILVERGRAIN_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include-roots)

# Makes the headers of the current source folder includable as "<FOLDER>/Header.h" by `target`.
function(silvergrain_include_root target scope folder)
    set(root ${SILVERGRAIN_INCLUDE_ROOTS}/${folder})
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# silvergrain_library(NAME FOLDER [DEPENDS library ...])
function(silvergrain_library name folder)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${sources})
    silvergrain_include_root(${name} PUBLIC ${folder})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    set_property(GLOBAL APPEND PROPERTY SILVERGRAIN_CORE_LIBRARIES ${name})
endfunction()
