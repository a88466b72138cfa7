# Velmora for Windows: the program's icon and version details, where
# `cmake --install` puts it, and the installer.
#
# Installed, it is one folder, as under Program Files: the program with the Qt
# libraries, the plugins it loads and the mingw-w64 runtime beside it, and its
# content, read-only, in the folders the program looks for beside itself.
# Teachers' worksheets are never installed. Every build lays the program out
# in deploy/ and makes velmora.msi from it (tools/windows/package.sh).
set(VELMORA_WINDOWS_PACKAGING ${CMAKE_SOURCE_DIR}/packaging/windows)
enable_language(RC)
configure_file(${VELMORA_WINDOWS_PACKAGING}/velmora.rc.in ${CMAKE_BINARY_DIR}/velmora.rc @ONLY)
target_sources(velmora PRIVATE ${CMAKE_BINARY_DIR}/velmora.rc)

install(TARGETS velmora RUNTIME DESTINATION .)
# The modules loaded on first use (printing) lie beside the program.
get_property(velmora_modules GLOBAL PROPERTY velmora_modules)
install(TARGETS ${velmora_modules} LIBRARY DESTINATION . RUNTIME DESTINATION .)
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport DESTINATION .)

# The plugins Velmora loads: the Windows platform, JPEG and GIF pictures,
# the native style, and Windows printing where this Qt has it as a plugin.
set(plugins_by_folder
  platforms QWindowsIntegrationPlugin
  imageformats QJpegPlugin imageformats QGifPlugin
  styles QWindowsVistaStylePlugin
  printsupport QWindowsPrinterSupportPlugin)
while(plugins_by_folder)
  list(POP_FRONT plugins_by_folder folder plugin)
  if(TARGET Qt6::${plugin})
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${plugin} DESTINATION plugins/${folder})
  elseif(NOT folder STREQUAL "printsupport")
    message(FATAL_ERROR "Qt for Windows in ${QT6_INSTALL_PREFIX} lacks the ${plugin} plugin")
  endif()
endwhile()
# Qt looks for its plugins there, never in the folder it was built into.
install(FILES ${VELMORA_WINDOWS_PACKAGING}/qt.conf DESTINATION .)

# The compiler's own runtime libraries.
foreach(runtime libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${runtime}
                  OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${runtime_path}" OR NOT EXISTS "${runtime_path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${runtime} is")
  endif()
  install(FILES ${runtime_path} DESTINATION .)
endforeach()

# Wine's Tahoma-compatible face (fonts-wine), used only where Windows has no
# Tahoma of its own; its licence beside it.
install(FILES /usr/share/wine/fonts/tahoma.ttf ${VELMORA_WINDOWS_PACKAGING}/fonts-README.txt DESTINATION fonts)

install(DIRECTORY content/images content/wav content/wmf content/wmf2 content/logo DESTINATION .)
install(DIRECTORY content/units DESTINATION . OPTIONAL)
# Only the topic question files: the catalogue and worksheets live elsewhere once installed.
install(DIRECTORY content/multiple DESTINATION . PATTERN track.txt EXCLUDE)

# The laid-out program and the installer, brought up to date by every build.
add_custom_target(velmora_msi ALL
  COMMAND bash ${CMAKE_SOURCE_DIR}/tools/windows/package.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
  COMMENT "Laying out Velmora for Windows in deploy/ and packing velmora.msi"
  VERBATIM)
add_dependencies(velmora_msi velmora)
