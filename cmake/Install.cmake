include(CMakePackageConfigHelpers)

# Headers keep their folder names under include/drawreg/.
foreach(dir framework hostlibs register registration dialogs templates module)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/drawreg/${dir}
    FILES_MATCHING PATTERN "*.h"
    # The Qt presenter's inner headers include Qt; only its public one is installed.
    REGEX "qt/(.*View|DialogWindow|DialogFont|ImageCache|QtText)\\.h$" EXCLUDE)
endforeach()

install(TARGETS drawreg drawreg_framework drawreg_hostlibs drawreg_warnings
  EXPORT drawregTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(EXPORT drawregTargets NAMESPACE drawreg::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/drawreg)

if(TARGET drawreg_qt)
  set(DRAWREG_EXPORTS_QT TRUE)
else()
  set(DRAWREG_EXPORTS_QT FALSE)
endif()
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/drawregConfig.cmake.in
  ${PROJECT_BINARY_DIR}/drawregConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/drawreg)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/drawregConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/drawregConfig.cmake ${PROJECT_BINARY_DIR}/drawregConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/drawreg)
