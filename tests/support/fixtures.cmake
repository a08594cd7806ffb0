# Test fixtures, included by tests/CMakeLists.txt:
#   cupsd     a private CUPS server in ${ORDOVAN_TEST_CUPS_DIR}, listening on
#             ${ORDOVAN_TEST_CUPS_DIR}/cups.sock, with the queues OrdovanBase
#             (ready) and OrdovanPaused (disabled); stopped after the run.
#   testuser  the unprivileged user "ordovantest" (created when ctest runs as
#             root) that UNPRIVILEGED tests run as.
set(_support ${CMAKE_CURRENT_LIST_DIR})

add_test(NAME fixture_testuser_setup
         COMMAND sh ${_support}/testuser-setup.sh ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
set_tests_properties(fixture_testuser_setup PROPERTIES FIXTURES_SETUP testuser TIMEOUT 120)

add_test(NAME fixture_cupsd_start
         COMMAND sh ${_support}/cupsd-start.sh ${ORDOVAN_TEST_CUPS_DIR} ${_support} ${ORDOVAN_TEST_DATA})
# The server's directories are made for the test user, so that user comes first.
set_tests_properties(fixture_cupsd_start PROPERTIES
  FIXTURES_SETUP cupsd FIXTURES_REQUIRED testuser TIMEOUT 120
  RESOURCE_LOCK ordovan_cupsd)

add_test(NAME fixture_cupsd_stop
         COMMAND sh ${_support}/cupsd-stop.sh ${ORDOVAN_TEST_CUPS_DIR})
set_tests_properties(fixture_cupsd_stop PROPERTIES FIXTURES_CLEANUP cupsd TIMEOUT 60
  RESOURCE_LOCK ordovan_cupsd)
