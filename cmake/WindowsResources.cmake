# Gives a Windows program its manifest (per-monitor DPI awareness, Windows 10 and 11), its version
# information and the icon.
function(tagler_windows_resources target description)
  set(TAGLER_RC_NAME ${target})
  set(TAGLER_RC_DESCRIPTION "${description}")
  set(TAGLER_RC_VERSION_DOTTED "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0")
  set(TAGLER_RC_VERSION_COMMAS "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
  set(TAGLER_RC_ICON "${PROJECT_SOURCE_DIR}/packaging/windows/tagler.ico")
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/resources/${target})
  set(TAGLER_RC_MANIFEST "${dir}/${target}.manifest")
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/tagler.manifest.in ${TAGLER_RC_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/tagler.rc.in ${dir}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${dir}/${target}.rc)
endfunction()
