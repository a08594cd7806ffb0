# The services layer check (test services_without_widgets):
#   cmake -DLAYER=<ordovan_services_layer.cmake> -DBUILD_DIR=<build> -DPROBE=<target> -P check_services.cmake
# LAYER, written at configure time, names what the services target and the
# option model link and the services' files.
include(${LAYER})

foreach(_lib ${SERVICES_LINKS})
  if(_lib MATCHES "Widgets|Gui")
    message(FATAL_ERROR "the services link ${_lib}")
  endif()
endforeach()

# A header named with its module's folder (<QtWidgets/QWidget>) would be
# found through Qt's top include directory: no service names either module.
foreach(_file ${SERVICES_SOURCES})
  file(STRINGS ${_file} _includes REGEX "^[ \t]*#[ \t]*include")
  foreach(_line ${_includes})
    if(_line MATCHES "<Qt(Widgets|Gui)[/>]")
      message(FATAL_ERROR "${_file} includes a widget header: ${_line}")
    endif()
  endforeach()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${PROBE}
                RESULT_VARIABLE _rc OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
if(_rc EQUAL 0)
  message(FATAL_ERROR "a service file that includes <QMessageBox> compiled")
endif()
if(NOT _out MATCHES "QMessageBox: No such file")
  message(FATAL_ERROR "the probe failed for another reason:\n${_out}")
endif()
message(STATUS "the services see no widget header and link no widget library")
