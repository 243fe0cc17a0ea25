# Oracline-<version>-setup.exe, made with NSIS from the built program, the
# sign images and installer/. Without makensis the rest still builds.
find_program(MAKENSIS makensis)
if(NOT MAKENSIS)
  message(STATUS "makensis not found: the setup is not built")
  return()
endif()

set(SETUP_NAME Oracline-${PROJECT_VERSION}-setup.exe)
file(GLOB SIGN_IMAGES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/res/signs/*.gif)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/${SETUP_NAME}
  COMMAND ${MAKENSIS} -V2 -NOCONFIG
          -DVERSION=${PROJECT_VERSION}
          -DPROGRAM=$<TARGET_FILE:Oracline>
          -DSIGNS=${CMAKE_SOURCE_DIR}/src/res/signs
          -DICON=${CMAKE_SOURCE_DIR}/src/res/art/icon123.ico
          -DOUTFILE=${CMAKE_BINARY_DIR}/${SETUP_NAME}
          ${CMAKE_SOURCE_DIR}/installer/Oracline.nsi
  DEPENDS Oracline ${CMAKE_SOURCE_DIR}/installer/Oracline.nsi ${CMAKE_SOURCE_DIR}/installer/Readme.txt
          ${SIGN_IMAGES} ${CMAKE_SOURCE_DIR}/src/res/art/icon123.ico
  COMMENT "Making ${SETUP_NAME}"
  VERBATIM)
add_custom_target(setup ALL DEPENDS ${CMAKE_BINARY_DIR}/${SETUP_NAME})
set(SETUP_EXE ${CMAKE_BINARY_DIR}/${SETUP_NAME})

include(cmake/SetupTests.cmake)
