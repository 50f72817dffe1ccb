# The loopback HTTP server that tests and benchmarks point the update check at.
add_library(tivora_indicatorserver STATIC
    ${CMAKE_CURRENT_LIST_DIR}/indicatorserver.cpp ${CMAKE_CURRENT_LIST_DIR}/indicatorserver.h)
target_include_directories(tivora_indicatorserver PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(tivora_indicatorserver PRIVATE
    TIVORA_HTTPSERVER_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/httpserver.py")
target_link_libraries(tivora_indicatorserver PUBLIC Qt5::Core Qt5::Network)
