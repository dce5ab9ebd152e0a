# The domain library (plain C++, no Qt) and the emulated device's behaviour.
# Included by the main project and by the Windows test build in tests/windows,
# so that both compile the same sources.
set(VANTOREL_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)

set(VANTOREL_FIRMWARE_PASSWORD "9D04E27B" CACHE STRING "Password of the firmware files, eight hex digits (4 bytes)")
if(NOT VANTOREL_FIRMWARE_PASSWORD MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
  message(FATAL_ERROR "VANTOREL_FIRMWARE_PASSWORD must be eight hex digits, not '${VANTOREL_FIRMWARE_PASSWORD}'")
endif()

find_package(ZLIB REQUIRED)
# AES: the system's CNG on Windows, OpenSSL elsewhere (one interface, Aes256.h).
if(WIN32)
  set(VANTOREL_AES_SOURCE_UNUSED Aes256.cpp)
  set(VANTOREL_AES_LIBRARY bcrypt)
else()
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  set(VANTOREL_AES_SOURCE_UNUSED Aes256Cng.cpp)
  set(VANTOREL_AES_LIBRARY OpenSSL::Crypto)
endif()

file(GLOB VANTOREL_DOMAIN_SOURCES CONFIGURE_DEPENDS
  ${VANTOREL_ROOT}/src/util/*.cpp ${VANTOREL_ROOT}/src/protocol/*.cpp ${VANTOREL_ROOT}/src/channels/domain/*.cpp
  ${VANTOREL_ROOT}/src/modes/domain/*.cpp ${VANTOREL_ROOT}/src/firmware/domain/*.cpp
  ${VANTOREL_ROOT}/src/settings/domain/*.cpp ${VANTOREL_ROOT}/src/midi/domain/*.cpp
  ${VANTOREL_ROOT}/src/fixtures/domain/*.cpp ${VANTOREL_ROOT}/src/learn/domain/*.cpp)
list(FILTER VANTOREL_DOMAIN_SOURCES EXCLUDE REGEX "/firmware/domain/${VANTOREL_AES_SOURCE_UNUSED}$")
add_library(vantorel_domain STATIC ${VANTOREL_DOMAIN_SOURCES})
target_include_directories(vantorel_domain PUBLIC ${VANTOREL_ROOT}/src ${VANTOREL_ROOT})
target_link_libraries(vantorel_domain PUBLIC ZLIB::ZLIB ${VANTOREL_AES_LIBRARY})
target_compile_definitions(vantorel_domain PRIVATE VANTOREL_FIRMWARE_PASSWORD="${VANTOREL_FIRMWARE_PASSWORD}")

# The device's behaviour, shared by the in-process emulator and vantorel-emulator.
file(GLOB VANTOREL_EMULATOR_DEVICE_SOURCES CONFIGURE_DEPENDS ${VANTOREL_ROOT}/emulator/device/*.cpp)
add_library(vantorel_emulator_device STATIC ${VANTOREL_EMULATOR_DEVICE_SOURCES})
target_link_libraries(vantorel_emulator_device PUBLIC vantorel_domain)
