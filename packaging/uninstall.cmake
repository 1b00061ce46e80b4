# Removes what `cmake --install` put in place, by the list of files it wrote in the build
# folder. Folders stay: they may hold other programs' files.
set(manifest "${CMAKE_CURRENT_BINARY_DIR}/install_manifest.txt")
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "Nothing to uninstall: ${manifest} is missing (run cmake --install first)")
endif()
file(STRINGS "${manifest}" installed)
foreach(path IN LISTS installed)
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
file(REMOVE "${manifest}")
