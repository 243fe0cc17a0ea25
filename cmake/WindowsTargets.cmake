# Windows targets: Oracline.exe and the end-to-end tests that drive it under Wine.
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 _WIN32_IE=0x0800)

file(GLOB RESOURCE_SCRIPTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/*.rc)
add_executable(Oracline WIN32 ${FRONT_END_SOURCES} ${RESOURCE_SCRIPTS})
# UTF-8 as the process code page, as Oracline.exe has it.
set(UTF8_PROCESS_RESOURCE ${CMAKE_SOURCE_DIR}/src/res/utf8/Utf8Process.rc)
target_sources(oracline-cli PRIVATE ${UTF8_PROCESS_RESOURCE})
# Libraries that only some paths use are loaded on first use: loading
# comdlg32.dll and shell32.dll (with the shell libraries they pull in),
# comctl32.dll and oleaut32.dll at start-up cost most of the scheduled run's
# time under Wine, and that run opens no dialog, control or browser.
# gdiplus.dll is loaded on first use for another reason: it is not a known
# DLL on every Windows, so as an import resolved at start-up it would be
# looked for in the program folder, which every account can write to; loaded
# later, it comes from System32 alone (WinMain). MinGW's gdiplus library
# stays in the link for the few objects gdiplus.h takes from it; a GDI+
# function missing from gdiplus.def would come from there too and make
# gdiplus.dll a start-up import again, which the check after linking refuses.
# oleacc.dll answers only assistive technology.
# ws2_32.dll, secur32.dll and crypt32.dll serve only a send through the mail
# server, and the last two are not known DLLs either.
# cmake/delay-load/<dll>.def lists what the program takes from each.
set(DELAY_LOADED comdlg32 shell32 comctl32 oleaut32 oleacc gdiplus ws2_32 secur32 crypt32)
set(DELAY_LIBRARIES)
if(MINGW)
  foreach(dll ${DELAY_LOADED})
    set(library ${CMAKE_BINARY_DIR}/lib${dll}_delay.a)
    add_custom_command(OUTPUT ${library}
      COMMAND ${CMAKE_DLLTOOL} --input-def ${CMAKE_SOURCE_DIR}/cmake/delay-load/${dll}.def
              --output-delaylib ${library} --dllname ${dll}.dll
      DEPENDS ${CMAKE_SOURCE_DIR}/cmake/delay-load/${dll}.def)
    list(APPEND DELAY_LIBRARIES ${library})
  endforeach()
  add_custom_target(delay_load_libraries DEPENDS ${DELAY_LIBRARIES})
  add_dependencies(Oracline delay_load_libraries)
  add_custom_command(TARGET Oracline POST_BUILD
    COMMAND sh -c "! ${CMAKE_OBJDUMP} -p \"$0\" | grep -qi 'DLL Name: gdiplus' || { echo \"$0 imports gdiplus.dll at start-up: add the GDI+ functions objdump -p lists under it to cmake/delay-load/gdiplus.def\" >&2; rm -f \"$0\"; exit 1; }" $<TARGET_FILE:Oracline>
    VERBATIM)
else()
  foreach(dll ${DELAY_LOADED})
    list(APPEND DELAY_LIBRARIES ${dll})
    target_link_options(Oracline PRIVATE /DELAYLOAD:${dll}.dll)
  endforeach()
  target_link_libraries(Oracline PRIVATE delayimp)
endif()
target_link_libraries(Oracline PRIVATE oracline_core ${DELAY_LIBRARIES}
  gdiplus ole32 uuid mstask taskschd shlwapi advapi32 winspool)
configure_file(${CMAKE_SOURCE_DIR}/src/res/OraclineVersion.h.in ${CMAKE_BINARY_DIR}/generated/OraclineVersion.h)
target_include_directories(Oracline PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/src/res
                           ${CMAKE_BINARY_DIR}/generated)
set_target_properties(Oracline PROPERTIES OUTPUT_NAME Oracline)

include(cmake/Installer.cmake)

# The end-to-end tests need GoogleTest's sources; without them only the
# program and oracline-cli are built.
set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the Windows build")
if(EXISTS ${GTEST_SOURCE_DIR}/CMakeLists.txt)
  include(cmake/EndToEndTests.cmake)
else()
  message(STATUS "No GoogleTest sources at ${GTEST_SOURCE_DIR}: end-to-end tests not built")
endif()

# The resource compiler does not report the pictures it embeds as inputs.
file(GLOB ARTWORK_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/art/*)
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/res/Artwork.rc PROPERTIES OBJECT_DEPENDS "${ARTWORK_FILES}")
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/res/Oracline.rc PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/Oracline.manifest)
set_source_files_properties(${UTF8_PROCESS_RESOURCE} PROPERTIES
  OBJECT_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/utf8/Utf8Process.manifest)
