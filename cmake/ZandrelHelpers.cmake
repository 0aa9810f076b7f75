# zandrel_add_test(NAME <name> SOURCES <files...> LIBS <targets...> [GUI] [TIMEOUT <seconds>])
#
# One GoogleTest or Qt Test executable per call, registered with ctest. GUI tests run on
# the offscreen platform with no inherited desktop theme, so no display is needed and no
# native dialog can hang the run. (Precompiled Qt Widgets and Qt Test headers, shared by the GUI
# tests of a folder, made their build slower, not faster: each unit includes little of them.)
function(zandrel_add_test)
    cmake_parse_arguments(ARG "GUI" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_link_libraries(${ARG_NAME} PRIVATE ${ARG_LIBS})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    if(ARG_GUI)
        set_tests_properties(${ARG_NAME} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_PLATFORMTHEME="
            RESOURCE_LOCK gui)
    endif()
endfunction()
