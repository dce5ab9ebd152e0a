# The domain libraries (plain C++, no Qt), one per feature above a base of
# util and protocol, and the emulated device's behaviour. Included by the main
# project and by the Windows test build in tests/windows, so that both compile
# the same sources. vantorel_domain links them all, for the tests and tools.
get_filename_component(VANTOREL_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/LayerLibrary.cmake)

set(VANTOREL_FIRMWARE_PASSWORD "9D04E27B" CACHE STRING "Password of the firmware files, eight hex digits (4 bytes)")
if(NOT VANTOREL_FIRMWARE_PASSWORD MATCHES "^[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]$")
  message(FATAL_ERROR "VANTOREL_FIRMWARE_PASSWORD must be eight hex digits, not '${VANTOREL_FIRMWARE_PASSWORD}'")
endif()

find_package(ZLIB REQUIRED)
# AES: the system's CNG on Windows, OpenSSL elsewhere (one interface, Aes256.h).
if(WIN32)
  set(VANTOREL_AES_SOURCE firmware/domain/Aes256Cng.cpp)
  set(VANTOREL_AES_LIBRARY bcrypt)
else()
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  set(VANTOREL_AES_SOURCE firmware/domain/Aes256.cpp)
  set(VANTOREL_AES_LIBRARY OpenSSL::Crypto)
endif()

set(VANTOREL_SRC ${VANTOREL_ROOT}/src)

vantorel_layer_library(vantorel_base ${VANTOREL_SRC} SOURCES
  util/AtomicFile.cpp util/AtomicFile.h util/BoundedFile.cpp util/BoundedFile.h util/Result.h util/Translate.h util/Utils.cpp util/Utils.h
  protocol/Crc32.cpp protocol/Crc32.h protocol/DeviceType.h protocol/EventCodes.h protocol/Reply.cpp protocol/Reply.h
  protocol/Sysex.cpp protocol/Sysex.h
  PRIVATE_LINKS ZLIB::ZLIB)

vantorel_layer_library(vantorel_midi_domain ${VANTOREL_SRC} SOURCES
  midi/domain/EventRing.h midi/domain/EventText.cpp midi/domain/EventText.h midi/domain/MidiEvent.h
  midi/domain/NoteLabels.cpp midi/domain/NoteLabels.h midi/domain/PortIdentity.cpp midi/domain/PortIdentity.h)

vantorel_layer_library(vantorel_channels_domain ${VANTOREL_SRC} SOURCES
  channels/domain/ChannelCodec.cpp channels/domain/ChannelCodec.h
  channels/domain/ChannelCompare.cpp channels/domain/ChannelCompare.h
  channels/domain/ChannelCsv.cpp channels/domain/ChannelCsv.h
  channels/domain/ChannelRecord.cpp channels/domain/ChannelRecord.h
  channels/domain/ChannelTable.cpp channels/domain/ChannelTable.h
  channels/domain/DumpSilence.cpp channels/domain/DumpSilence.h
  channels/domain/RowLook.cpp channels/domain/RowLook.h
  LINKS vantorel_base vantorel_midi_domain)

vantorel_layer_library(vantorel_modes_domain ${VANTOREL_SRC} SOURCES
  modes/domain/ModeRecord.cpp modes/domain/ModeRecord.h
  LINKS vantorel_base)

vantorel_layer_library(vantorel_firmware_domain ${VANTOREL_SRC} SOURCES
  ${VANTOREL_AES_SOURCE} firmware/domain/Aes256.h firmware/domain/Base64.cpp firmware/domain/Base64.h
  firmware/domain/CryptoPrimitives.h firmware/domain/FirmwareCipher.cpp firmware/domain/FirmwareCipher.h
  firmware/domain/FirmwareFile.cpp firmware/domain/FirmwareFile.h
  firmware/domain/PackedDateTime.cpp firmware/domain/PackedDateTime.h
  firmware/domain/UploadDecision.cpp firmware/domain/UploadDecision.h
  firmware/domain/Whirlpool0.cpp firmware/domain/Whirlpool0.h
  LINKS vantorel_base PRIVATE_LINKS ${VANTOREL_AES_LIBRARY})
target_compile_definitions(vantorel_firmware_domain PRIVATE VANTOREL_FIRMWARE_PASSWORD="${VANTOREL_FIRMWARE_PASSWORD}")

vantorel_layer_library(vantorel_settings_domain ${VANTOREL_SRC} SOURCES
  settings/domain/IniFile.cpp settings/domain/IniFile.h
  settings/domain/ProgramSettings.cpp settings/domain/ProgramSettings.h
  settings/domain/WindowPosition.cpp settings/domain/WindowPosition.h
  LINKS vantorel_base)

vantorel_layer_library(vantorel_fixtures_domain ${VANTOREL_SRC} SOURCES
  fixtures/domain/FixturePatch.cpp fixtures/domain/FixturePatch.h
  LINKS vantorel_channels_domain)

vantorel_layer_library(vantorel_learn_domain ${VANTOREL_SRC} SOURCES
  learn/domain/Gesture.cpp learn/domain/Gesture.h learn/domain/MappingTest.cpp learn/domain/MappingTest.h
  LINKS vantorel_channels_domain)

add_library(vantorel_domain INTERFACE)
target_link_libraries(vantorel_domain INTERFACE vantorel_base vantorel_midi_domain vantorel_channels_domain
  vantorel_modes_domain vantorel_firmware_domain vantorel_settings_domain vantorel_fixtures_domain
  vantorel_learn_domain)

# The device's behaviour, shared by the in-process emulator and vantorel-emulator.
vantorel_layer_library(vantorel_emulator_device ${VANTOREL_ROOT} SOURCES
  emulator/device/EmulatedBootloader.cpp emulator/device/EmulatedBootloader.h
  emulator/device/EmulatedDevice.cpp emulator/device/EmulatedDevice.h
  emulator/device/EmulatedDeviceChannels.cpp emulator/device/EmulatedDeviceModes.cpp
  emulator/device/EmulatorArguments.cpp emulator/device/EmulatorArguments.h
  LINKS vantorel_base vantorel_firmware_domain vantorel_modes_domain)
