# Libraries we use rather than write: zlib (PNG's deflate streams) and nlohmann-json
# (JSON atlases and motion exports). Debian's zlib1g-dev, nlohmann-json3-dev and, for
# the Windows programs, libz-mingw-w64-dev.
if(WIN32)
  # Linked in: the programs import only system DLLs.
  set(ZLIB_USE_STATIC_LIBS ON)
endif()
find_package(ZLIB REQUIRED)

# nlohmann-json is header-only. Its headers are copied out of /usr/include, which a
# cross build must not search as a whole.
set(PLYK_JSON_HEADERS /usr/include/nlohmann CACHE PATH "Folder holding nlohmann/json.hpp")
if(NOT EXISTS ${PLYK_JSON_HEADERS}/json.hpp)
  message(FATAL_ERROR "nlohmann/json.hpp not found in ${PLYK_JSON_HEADERS} (apt-get install nlohmann-json3-dev)")
endif()
file(COPY ${PLYK_JSON_HEADERS}/ DESTINATION ${PROJECT_BINARY_DIR}/third_party/nlohmann)
add_library(json INTERFACE)
target_include_directories(json SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/third_party)
