# Writes the uninstaller's list of what the installer puts in its folder:
#   cmake -DDIST=<laid-out program> -DOUT=<file.nsh> -P filelist.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE "${DIST}" "${DIST}/*")
# Deepest first, so each folder is empty when it is removed.
list(SORT files ORDER DESCENDING)
set(lines "")
foreach(file ${files})
    string(REPLACE "/" "\\" path "${file}")
    if(IS_DIRECTORY "${DIST}/${file}")
        string(APPEND lines "RMDir \"$INSTDIR\\${path}\"\n")
    else()
        string(APPEND lines "Delete \"$INSTDIR\\${path}\"\n")
    endif()
endforeach()
file(WRITE "${OUT}" "${lines}")
