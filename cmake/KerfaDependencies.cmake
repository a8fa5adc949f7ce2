# Every external package is found here and exposed as one dep:: imported target, so the
# libraries never name a package's own targets or paths.
find_package(PkgConfig REQUIRED)
find_package(Threads REQUIRED)

find_package(fmt REQUIRED)
find_package(spdlog REQUIRED)
find_package(nlohmann_json REQUIRED)
find_package(simdjson REQUIRED)
find_package(OpenSSL REQUIRED)
find_package(uriparser CONFIG REQUIRED)
find_package(ICU REQUIRED COMPONENTS uc)
pkg_check_modules(PCRE2 REQUIRED IMPORTED_TARGET libpcre2-8)

find_package(md4c CONFIG REQUIRED)

if(KERFA_BUILD_TESTS)
  find_package(GTest REQUIRED)
endif()
if(KERFA_BUILD_BENCH)
  find_package(benchmark REQUIRED)
endif()

function(kerfa_dep name)
  add_library(dep::${name} INTERFACE IMPORTED GLOBAL)
  target_link_libraries(dep::${name} INTERFACE ${ARGN})
endfunction()

# fmt and spdlog come from Debian only as shared libraries; each one loaded costs start-up its
# relocations, so both are compiled in from their headers.
kerfa_dep(fmt fmt::fmt-header-only)
kerfa_dep(spdlog Threads::Threads dep::fmt)
target_include_directories(dep::spdlog INTERFACE
                           $<TARGET_PROPERTY:spdlog::spdlog_header_only,INTERFACE_INCLUDE_DIRECTORIES>)
target_compile_definitions(dep::spdlog INTERFACE SPDLOG_HEADER_ONLY SPDLOG_FMT_EXTERNAL)
kerfa_dep(json nlohmann_json::nlohmann_json)
kerfa_dep(simdjson simdjson::simdjson)
# Start-up pays for every shared library loaded and relocated, so a static archive is linked where
# Debian ships one.
find_library(KERFA_CRYPTO_ARCHIVE libcrypto.a)
if(KERFA_CRYPTO_ARCHIVE)
  kerfa_dep(ssl ${KERFA_CRYPTO_ARCHIVE} ${CMAKE_DL_LIBS} Threads::Threads)
  target_include_directories(dep::ssl INTERFACE ${OPENSSL_INCLUDE_DIR})
else()
  kerfa_dep(ssl OpenSSL::Crypto)
endif()
kerfa_dep(uriparser uriparser::uriparser)
find_library(KERFA_ICUUC_ARCHIVE libicuuc.a)
find_library(KERFA_ICUDATA_ARCHIVE libicudata.a)
if(KERFA_ICUUC_ARCHIVE AND KERFA_ICUDATA_ARCHIVE)
  kerfa_dep(icu ${KERFA_ICUUC_ARCHIVE} ${KERFA_ICUDATA_ARCHIVE} ${CMAKE_DL_LIBS} Threads::Threads)
  target_include_directories(dep::icu INTERFACE ${ICU_INCLUDE_DIRS})
else()
  kerfa_dep(icu ICU::uc)
endif()
find_library(KERFA_PCRE2_ARCHIVE libpcre2-8.a)
if(KERFA_PCRE2_ARCHIVE)
  kerfa_dep(pcre2 ${KERFA_PCRE2_ARCHIVE})
  target_include_directories(dep::pcre2 INTERFACE ${PCRE2_INCLUDE_DIRS})
else()
  kerfa_dep(pcre2 PkgConfig::PCRE2)
endif()
# The HTML library only for its entity table.
kerfa_dep(md4c md4c::md4c md4c::md4c-html)
target_compile_definitions(dep::spdlog INTERFACE SPDLOG_ACTIVE_LEVEL=SPDLOG_LEVEL_OFF)

# The CommonMark examples are the npm package commonmark-spec, which scripts/setup installs into
# the build folder; the Markdown tests read its examples file from there.
if(KERFA_BUILD_TESTS)
  add_library(dep::commonmark_spec INTERFACE IMPORTED GLOBAL)
  target_compile_definitions(
    dep::commonmark_spec
    INTERFACE KERFA_COMMONMARK_EXAMPLES="${CMAKE_BINARY_DIR}/node_modules/commonmark-spec/spec.txt")
endif()
