# The installed game as a desktop sees it: every file in place and nothing else, a desktop entry
# and metadata that validate, the version of the build, and a Debian package that holds exactly
# the install tree and passes lintian.
#   cmake -DBUILD=… -DWORK=… -DVERSION=… -DEXPECTED=a|b|… -P install_check.cmake
string(REPLACE "|" ";" expected "${EXPECTED}")
list(SORT expected)
file(REMOVE_RECURSE ${WORK})
set(root ${WORK}/root)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 300)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN}\nexit ${rc}\n${out}\n${err}")
  endif()
  set(run_output "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD} --prefix ${root})
file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "install tree differs:\n  installed: ${installed}\n  expected:  ${expected}")
endif()

run(desktop-file-validate ${root}/share/applications/org.finaltableholdem.FinalTableHoldem.desktop)
run(appstreamcli validate --no-net
    ${root}/share/metainfo/org.finaltableholdem.FinalTableHoldem.metainfo.xml)

# The file types: the shared MIME database reads the package's types and gives them to the
# hand-history files by name.
file(COPY ${root}/share/mime/packages DESTINATION ${WORK}/mime)
run(update-mime-database -V ${WORK}/mime)
file(READ ${WORK}/mime/globs2 globs)
foreach(pattern "application/x-poker-hand-history:\\*\\.phh\n"
                "application/x-poker-hand-histories:\\*\\.phhs\n")
  if(NOT globs MATCHES "${pattern}")
    message(FATAL_ERROR "the MIME database has no ${pattern}:\n${globs}")
  endif()
endforeach()

run(${root}/games/final-table-holdem --version)
string(STRIP "${run_output}" version_line)
if(NOT version_line STREQUAL "final-table-holdem ${VERSION}")
  message(FATAL_ERROR "--version printed '${version_line}', not the build's ${VERSION}")
endif()

run(cpack -G DEB --config ${BUILD}/CPackConfig.cmake -B ${WORK}/package)
file(GLOB deb ${WORK}/package/*.deb)
run(dpkg-deb --contents ${deb})
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" lines "${run_output}")
set(packaged)
foreach(line ${lines})
  string(REGEX REPLACE "^\\./usr/(.*)\n$" "\\1" path "${line}")
  list(APPEND packaged ${path})
endforeach()
list(SORT packaged)
if(NOT packaged STREQUAL expected)
  message(FATAL_ERROR "package differs from the install tree:\n  packaged: ${packaged}")
endif()
# Debian's own checks of the package: no error and no warning.
run(lintian --fail-on error,warning --tag-display-limit 0 ${deb})
file(REMOVE_RECURSE ${WORK})
