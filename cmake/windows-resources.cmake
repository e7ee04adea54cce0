# Gives a Windows program its resources: the resource script with its icon and manifest,
# and a version resource with the program's version, name and description.
function(quill_windows_resources target description resource_script)
  set(QUILL_FILE_DESCRIPTION "${description}")
  set(QUILL_FILE_NAME "${target}.exe")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${target}-version.rc @ONLY)
  # The script names its pictures and manifest; a change to them makes it anew.
  file(GLOB named CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/data/artwork/*.ico
       ${PROJECT_SOURCE_DIR}/win32/*.manifest ${PROJECT_SOURCE_DIR}/packaging/windows/*.manifest)
  set_source_files_properties(${resource_script} PROPERTIES OBJECT_DEPENDS "${named}")
  target_sources(${target} PRIVATE ${resource_script} ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
endfunction()
