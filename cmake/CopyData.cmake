# Copies the shipped data beside the executable without ever replacing the user's own
# settings file or data cache, so that a rebuild keeps them.
if(NOT EXISTS "${DEST}/PALLOX.ini")
  file(COPY "${SOURCE}/PALLOX.ini" DESTINATION "${DEST}")
endif()
file(COPY "${SOURCE}/Skins" DESTINATION "${DEST}")
file(GLOB_RECURSE _games RELATIVE "${SOURCE}" "${SOURCE}/Games/*")
foreach(_file IN LISTS _games)
  if(NOT EXISTS "${DEST}/${_file}")
    get_filename_component(_dir "${DEST}/${_file}" DIRECTORY)
    file(COPY "${SOURCE}/${_file}" DESTINATION "${_dir}")
  endif()
endforeach()
