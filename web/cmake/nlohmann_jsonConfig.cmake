# nlohmann-json for the web build: the header-only library from the system, seen through a folder
# of its own so that the emscripten compiler gets no system include folder on its path.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(_belegix_json_include ${CMAKE_BINARY_DIR}/json-include)
    file(MAKE_DIRECTORY ${_belegix_json_include})
    file(CREATE_LINK /usr/include/nlohmann ${_belegix_json_include}/nlohmann SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_belegix_json_include})
endif()
set(nlohmann_json_VERSION 3.11.2)
