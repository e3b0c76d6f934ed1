# vorenda_library(<name> DEPS <libs...>)
# A static library made of every source, header and form in the calling folder.
function(vorenda_library name)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    if(NOT sources)
        # A library whose classes are not written yet only passes its dependencies on.
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_DEPS})
        set_property(GLOBAL APPEND PROPERTY VORENDA_LIBRARIES ${name})
        return()
    endif()
    add_library(${name} STATIC ${sources})
    # The forms' generated ui_*.h are included by public headers, so users of the library need them too.
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_BINARY_DIR}
        ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
    set_property(GLOBAL APPEND PROPERTY VORENDA_LIBRARIES ${name})
endfunction()
