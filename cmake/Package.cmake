# The Debian package: `cpack -G DEB` in a build folder makes drawreg_VERSION_ARCH.deb with the
# program, the libraries, their headers and the CMake package, installed under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME drawreg)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "drawreg maintainers <drawreg@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "register of CAD drawing files of electronic deliverables, and deliverable templates")
set(CPACK_PACKAGE_DESCRIPTION
  "drawreg registers CAD drawing files under the electronic-delivery drawing naming rule in a
register shared by several users, and reads and writes deliverable templates and link boxes.
The package holds the drawreg program, its libraries, their headers and the CMake package
(find_package(drawreg CONFIG)).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Debugging information stays in the build folder.
set(CPACK_STRIP_FILES ON)
# The Debian packages of the libraries the program and libraries link, from their ELF files.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What building against the CMake package needs, and the font the dialogs are drawn in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libpugixml-dev, fonts-ipafont-gothic")
include(CPack)
