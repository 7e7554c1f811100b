# The Linux program beside the chat client under Wine (wine_chat_check.sh, one
# part a test), in a Windows build: on tests/win32's fixtures, with this build's
# bridge, stand-in and hueloom.exe and the hueloom of the native build named here.
set(HUELOOM_NATIVE_BUILD "${hueloom_SOURCE_DIR}/build" CACHE PATH
    "The Linux build whose hueloom the Wine chat tests run (built there first)")
set(check bash ${CMAKE_CURRENT_LIST_DIR}/wine_chat_check.sh ${HUELOOM_NATIVE_BUILD}
    $<TARGET_FILE:hueloom-wine-bridge> ${standin} $<TARGET_FILE:hueloom>
    $<TARGET_FILE:hueloom_window_driver>)
set(parts program reference beside slow quits alone)
if(wine_arch STREQUAL "win64")
    list(APPEND parts no-prefix)  # where no prefix is, the architecture makes no difference
endif()
list(TRANSFORM parts PREPEND winelink_ OUTPUT_VARIABLE tests)
foreach(part IN LISTS parts)
    add_test(NAME winelink_${part} COMMAND ${check} ${part})
    set_tests_properties(winelink_${part} PROPERTIES
                         FIXTURES_REQUIRED "wine_display;wine_prefix;wine_chat_program")
endforeach()
# Each starts and quits stand-ins of its own, so after the shared one has gone.
set_tests_properties(${tests} PROPERTIES DEPENDS win32_standin_down LABELS wine RUN_SERIAL TRUE
                     ENVIRONMENT "${environment}" TIMEOUT 300)
set_tests_properties(winelink_program PROPERTIES FIXTURES_SETUP wine_chat_program
                     FIXTURES_REQUIRED "" TIMEOUT 1800)  # the build, where there is none yet
set_tests_properties(winelink_reference PROPERTIES FIXTURES_SETUP wine_chat_reference)
set_tests_properties(winelink_beside PROPERTIES FIXTURES_REQUIRED
                     "wine_display;wine_prefix;wine_chat_program;wine_chat_reference")
