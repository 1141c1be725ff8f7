# The requirements check's reports (console, JSON, HTML): they read an Ids::CheckResult and nothing
# else, so they build apart from the checker. Included from the checker's CMakeLists or the root;
# the first inclusion defines the target.
if(TARGET ifcapi_ids_reports)
  return()
endif()
add_library(ifcapi_ids_reports STATIC
  ${CMAKE_CURRENT_LIST_DIR}/src/ConsoleReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/HtmlReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/JsonReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/ReportFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/ReportSummary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/ReportText.cpp
)
target_include_directories(ifcapi_ids_reports PUBLIC ${CMAKE_CURRENT_LIST_DIR}/src)
# Standard C++ and the reading layer's path questions only: linking the library's targets would bring
# its allocation operators into the checker.
target_link_libraries(ifcapi_ids_reports PUBLIC ifcapi_reader)
ifcapi_set_warnings(ifcapi_ids_reports)
