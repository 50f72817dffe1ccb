cmake_policy(VERSION 3.16)
# Installs the DLLs that the program and its plugins import, directly or through each other,
# found in Qt's and the compiler's folders, stripped (the compiler's runtime comes with its
# debugging symbols). Imports found in neither are Windows' own.
# (file(GET_RUNTIME_DEPENDENCIES) lowercases the names, which a Linux file system then misses.)
set(pending "${TIVORA_EXECUTABLE}" ${TIVORA_MODULES})
set(seen "")
while(pending)
    list(POP_FRONT pending file)
    execute_process(COMMAND "${TIVORA_OBJDUMP}" -p "${file}" OUTPUT_VARIABLE headers
        COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
    foreach(import ${imports})
        string(REPLACE "DLL Name: " "" name "${import}")
        if(name IN_LIST seen)
            continue()
        endif()
        list(APPEND seen "${name}")
        foreach(dir ${TIVORA_DLL_DIRS})
            if(EXISTS "${dir}/${name}")
                file(INSTALL "${dir}/${name}" DESTINATION "${CMAKE_INSTALL_PREFIX}")
                execute_process(COMMAND "${TIVORA_STRIP}" --strip-unneeded
                    "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}" COMMAND_ERROR_IS_FATAL ANY)
                list(APPEND pending "${dir}/${name}")
                break()
            endif()
        endforeach()
    endforeach()
endwhile()
