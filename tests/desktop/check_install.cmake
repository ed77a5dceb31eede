# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -P check_install.cmake
# Installs into a scratch prefix and checks that the desktop finds the
# program, its launcher, its metadata and its icon where it looks for them.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()

foreach(path bin/orvanta
             share/applications/org.example.Orvanta.desktop
             share/metainfo/org.example.Orvanta.metainfo.xml
             share/icons/hicolor/scalable/apps/org.example.Orvanta.svg
             share/doc/orvanta/copyright)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ ${PREFIX}/share/applications/org.example.Orvanta.desktop entry)
foreach(line "Exec=orvanta" "Icon=org.example.Orvanta" "Categories=Office;Finance;")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the launcher lacks ${line}")
  endif()
endforeach()

file(READ ${PREFIX}/share/metainfo/org.example.Orvanta.metainfo.xml meta)
foreach(text "<launchable type=\"desktop-id\">org.example.Orvanta.desktop</launchable>"
             "<release version=\"${VERSION}\"" "<content_rating type=\"oars-1.1\"" "<caption>")
  string(FIND "${meta}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the metainfo lacks ${text}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
