# Run by `cmake --install` (and by CPack): installs the manual pages KAVRIN_MANUAL_PAGES into man1
# below the install prefix, compressed without a time stamp, with their placeholders filled in:
# the release date, the version, and the folder the example station file is installed in under
# this prefix. KAVRIN_INSTALL_DATADIR and KAVRIN_INSTALL_MANDIR are relative to the prefix unless
# they were configured as full paths; the pages are completed in KAVRIN_MANUAL_STAGING first.

function(full_path relative out)
  if(IS_ABSOLUTE "${relative}")
    set(${out} "${relative}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${relative}" PARENT_SCOPE)
  endif()
endfunction()

full_path("${KAVRIN_INSTALL_DATADIR}" KAVRIN_INSTALL_FULL_DATADIR)
full_path("${KAVRIN_INSTALL_MANDIR}" mandir)
file(MAKE_DIRECTORY "${KAVRIN_MANUAL_STAGING}")
foreach(page IN LISTS KAVRIN_MANUAL_PAGES)
  get_filename_component(name "${page}" NAME)
  configure_file("${page}" "${KAVRIN_MANUAL_STAGING}/${name}" @ONLY)
  execute_process(COMMAND gzip -9 -n -c "${KAVRIN_MANUAL_STAGING}/${name}"
                  OUTPUT_FILE "${KAVRIN_MANUAL_STAGING}/${name}.gz"
                  COMMAND_ERROR_IS_FATAL ANY)
  file(INSTALL "${KAVRIN_MANUAL_STAGING}/${name}.gz" DESTINATION "${mandir}/man1")
endforeach()
