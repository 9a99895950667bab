# Read by cpack before it builds the package. A package needs a maintainer to write to; the
# changelog is signed by them, so it is written here, once the maintainer is known (given when
# configuring, or to cpack with -D CPACK_PACKAGE_CONTACT=...).
if(CPACK_GENERATOR STREQUAL "DEB")
  if(NOT CPACK_PACKAGE_CONTACT)
    message(FATAL_ERROR "No maintainer for the package: configure with "
            "-DQUILLEX_PACKAGE_MAINTAINER='Name <address>' (the address users write to).")
  endif()
  set(QUILLEX_CHANGELOG_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
  set(PROJECT_VERSION "${CPACK_PACKAGE_VERSION}")
  set(folder "${CPACK_TOPLEVEL_DIRECTORY}/changelog")
  configure_file("${CPACK_QUILLEX_CHANGELOG_IN}" "${folder}/share/doc/quillex/changelog" @ONLY)
  # gzip -n: no name and no date in the header, so that the same text gives the same bytes.
  execute_process(COMMAND gzip -9nf "${folder}/share/doc/quillex/changelog" COMMAND_ERROR_IS_FATAL ANY)
  string(REGEX REPLACE "^/" "" prefix "${CPACK_PACKAGING_INSTALL_PREFIX}/share")
  list(APPEND CPACK_INSTALLED_DIRECTORIES "${folder}/share;${prefix}")
endif()
