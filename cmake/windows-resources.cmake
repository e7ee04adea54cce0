# Gives a Windows program its resources: the resource script with its icon and manifest,
# and a version resource with the program's version, name and description.
function(quill_windows_resources target description resource_script)
  set(QUILL_FILE_DESCRIPTION "${description}")
  set(QUILL_FILE_NAME "${target}.exe")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in ${target}-version.rc @ONLY)
  target_sources(${target} PRIVATE ${resource_script} ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
endfunction()
