# cmake -DSOURCE=dir -DDESTINATION=dir -P copy_missing.cmake
# Copies the files of SOURCE that DESTINATION does not have yet. A session the user saved
# over a shipped one (their own default.ses) is never overwritten by a rebuild.
file(GLOB_RECURSE files RELATIVE "${SOURCE}" "${SOURCE}/*")
foreach(file IN LISTS files)
  if(NOT EXISTS "${DESTINATION}/${file}")
    get_filename_component(folder "${DESTINATION}/${file}" DIRECTORY)
    file(COPY "${SOURCE}/${file}" DESTINATION "${folder}")
  endif()
endforeach()
