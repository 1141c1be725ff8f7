# libxml2 for the Windows cross build, for which Debian ships none: third_party/libxml2 built as a
# static library with only what the IDS checker uses (parser, tree, XML Schema validation and its
# regular expressions). No network, catalogs, compression, iconv, HTML or XPath: the checker reads plain
# local XML in UTF-8, UTF-16, ASCII or ISO-8859-x.
#
# find_package(LibXml2) then finds this target through a file in CMAKE_FIND_PACKAGE_REDIRECTS_DIR, which
# find_package reads before any Find module. Other builds use the system's libxml2 and skip this file.
if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
  return()
endif()

# A function, so that the names that xmlversion.h.in and config.h take stay out of the caller's scope.
function(ifcapi_add_vendored_libxml2)
  set(libxml2_source_dir ${PROJECT_SOURCE_DIR}/third_party/libxml2)
  set(libxml2_binary_dir ${PROJECT_BINARY_DIR}/third_party/libxml2)
  set(libxml2_version 2.9.14)

  # libxml/xmlversion.h: the features compiled in (1) or left out (0).
  set(VERSION ${libxml2_version})
  set(LIBXML_VERSION_NUMBER 20914)
  set(LIBXML_VERSION_EXTRA "")
  set(MODULE_EXTENSION ".dll")
  foreach(feature THREADS TREE PATTERN REGEXPS SCHEMAS ISO8859X)
    set(WITH_${feature} 1)
  endforeach()
  foreach(feature TRIO THREAD_ALLOC OUTPUT PUSH READER WRITER SAX1 FTP HTTP VALID HTML LEGACY C14N CATALOG DOCB
                  XPATH XPTR XINCLUDE ICONV ICU DEBUG MEM_DEBUG RUN_DEBUG SCHEMATRON MODULES ZLIB LZMA)
    set(WITH_${feature} 0)
  endforeach()
  configure_file(${libxml2_source_dir}/include/libxml/xmlversion.h.in ${libxml2_binary_dir}/include/libxml/xmlversion.h
                 @ONLY)

  # config.h: what libxml2's own configure finds on MinGW-w64. Threads are winpthreads', linked statically.
  file(CONFIGURE OUTPUT ${libxml2_binary_dir}/config.h CONTENT [[
#define HAVE_CTYPE_H 1
#define HAVE_ERRNO_H 1
#define HAVE_FCNTL_H 1
#define HAVE_FLOAT_H 1
#define HAVE_INTTYPES_H 1
#define HAVE_LIMITS_H 1
#define HAVE_LOCALTIME 1
#define HAVE_MALLOC_H 1
#define HAVE_MATH_H 1
#define HAVE_PTHREAD_H 1
#define HAVE_RAND 1
#define HAVE_SRAND 1
#define HAVE_STAT 1
#define HAVE_STDINT_H 1
#define HAVE_STDLIB_H 1
#define HAVE_STRFTIME 1
#define HAVE_SYS_STAT_H 1
#define HAVE_SYS_TYPES_H 1
#define HAVE_TIME 1
#define HAVE_TIME_H 1
#define HAVE_UNISTD_H 1
#define ICONV_CONST
#define PACKAGE "libxml2"
#define VERSION "@libxml2_version@"
]] @ONLY)

  add_library(ifcapi_libxml2 STATIC)
  add_library(LibXml2::LibXml2 ALIAS ifcapi_libxml2)
  target_sources(ifcapi_libxml2 PRIVATE
    ${libxml2_source_dir}/buf.c
    ${libxml2_source_dir}/chvalid.c
    ${libxml2_source_dir}/dict.c
    ${libxml2_source_dir}/encoding.c
    ${libxml2_source_dir}/entities.c
    ${libxml2_source_dir}/error.c
    ${libxml2_source_dir}/globals.c
    ${libxml2_source_dir}/hash.c
    ${libxml2_source_dir}/list.c
    ${libxml2_source_dir}/parser.c
    ${libxml2_source_dir}/parserInternals.c
    ${libxml2_source_dir}/pattern.c
    ${libxml2_source_dir}/relaxng.c
    ${libxml2_source_dir}/SAX2.c
    ${libxml2_source_dir}/threads.c
    ${libxml2_source_dir}/tree.c
    ${libxml2_source_dir}/uri.c
    ${libxml2_source_dir}/valid.c
    ${libxml2_source_dir}/xmlIO.c
    ${libxml2_source_dir}/xmlmemory.c
    ${libxml2_source_dir}/xmlregexp.c
    ${libxml2_source_dir}/xmlsave.c
    ${libxml2_source_dir}/xmlschemas.c
    ${libxml2_source_dir}/xmlschemastypes.c
    ${libxml2_source_dir}/xmlstring.c
    ${libxml2_source_dir}/xmlunicode.c
    ${libxml2_source_dir}/xpath.c
  )
  # Its headers are a system library's: our warnings-as-errors stop at them, as at /usr/include/libxml2.
  target_include_directories(ifcapi_libxml2 SYSTEM PUBLIC ${libxml2_binary_dir}/include ${libxml2_source_dir}/include)
  target_include_directories(ifcapi_libxml2 PRIVATE ${libxml2_binary_dir} ${libxml2_source_dir})
  target_compile_definitions(ifcapi_libxml2 PUBLIC LIBXML_STATIC PRIVATE _REENTRANT)
  # Third-party code: none of the project's warnings, and no warning output of its own.
  target_compile_options(ifcapi_libxml2 PRIVATE -w)
  find_package(Threads REQUIRED)
  target_link_libraries(ifcapi_libxml2 PRIVATE Threads::Threads)

  # The checker carries libxml2 inside it, so the archive carries its licences.
  include(GNUInstallDirs)
  set(licence_dir ${CMAKE_INSTALL_DOCDIR}/third_party/libxml2)
  install(FILES ${libxml2_source_dir}/Copyright ${libxml2_source_dir}/README.md DESTINATION ${licence_dir})
  install(FILES ${libxml2_source_dir}/debian/copyright DESTINATION ${licence_dir}/debian)

  file(CONFIGURE OUTPUT ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/libxml2-config.cmake CONTENT [[
# Redirects find_package(LibXml2) to the vendored libxml2 (target LibXml2::LibXml2).
set(LibXml2_VERSION @libxml2_version@)
]] @ONLY)
endfunction()

ifcapi_add_vendored_libxml2()
