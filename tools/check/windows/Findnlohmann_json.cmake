# Debian's nlohmann-json headers for the Windows build: copied on their own, so that the Windows
# compiler never sees the Linux system headers next to them in /usr/include.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(_belegix_json ${CMAKE_BINARY_DIR}/json-include)
    file(COPY /usr/include/nlohmann DESTINATION ${_belegix_json})
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
                          INTERFACE_INCLUDE_DIRECTORIES ${_belegix_json})
endif()
set(nlohmann_json_FOUND TRUE)
