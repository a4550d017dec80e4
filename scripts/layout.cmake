# Lays the runtime files out around the executable. The settings file is
# copied only when missing: the program rewrites it at every start.
file(MAKE_DIRECTORY ${DST}/bin/Init ${DST}/bin/PIC ${DST}/language)
file(GLOB pics ${SRC}/bin/PIC/*)
foreach(p ${pics})
  file(COPY ${p} DESTINATION ${DST}/bin/PIC)
endforeach()
file(COPY ${SRC}/Version.ini DESTINATION ${DST})
if(NOT EXISTS ${DST}/language/mysetup.ini)
  file(COPY ${SRC}/language/mysetup.ini DESTINATION ${DST}/language)
endif()
