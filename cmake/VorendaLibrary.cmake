# vorenda_library(<name> [PUBLIC <libs...>] [PRIVATE <libs...>])
# A static library made of every source, header and form in the calling folder.
# PUBLIC: what its headers (and the headers generated from its forms) include, so its
# users need it too; PRIVATE: what only its sources include.
function(vorenda_library name)
    cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vorenda_library(${name}): say PUBLIC or PRIVATE before ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    if(NOT sources)
        message(FATAL_ERROR "vorenda_library(${name}): no sources in ${CMAKE_CURRENT_SOURCE_DIR}")
    endif()
    add_library(${name} STATIC ${sources})
    # The forms' generated ui_*.h are included by public headers, so users of the library need them too.
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}
        ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()
