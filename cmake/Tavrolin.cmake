# Shared settings for every target of the project.

# System structures must have the sizes of the targeted Windows version
# (NONCLIENTMETRICS 500 bytes, NOTIFYICONDATA 936 bytes).
add_library(tavrolin_defaults INTERFACE)
target_compile_definitions(tavrolin_defaults INTERFACE
    UNICODE _UNICODE _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600 NOMINMAX STRICT)
target_include_directories(tavrolin_defaults INTERFACE ${CMAKE_SOURCE_DIR})
target_include_directories(tavrolin_defaults SYSTEM INTERFACE ${SQLITE_DIR})
# Warnings are errors in the project's own code (SQLite and GoogleTest are
# built with their own options).
target_compile_options(tavrolin_defaults INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wno-unknown-pragmas -Wno-cast-function-type -Wno-missing-field-initializers>
    # pWnd->GetSafeHwnd() and the like answer null for a null object; the
    # compiler must not conclude from such a call that the pointer is set.
    $<$<COMPILE_LANGUAGE:CXX>:-fno-delete-null-pointer-checks>)
# Static runtime: the .exe runs under Wine without extra DLLs.
target_link_options(tavrolin_defaults INTERFACE -municode -static -static-libgcc -static-libstdc++)
set(TAVROLIN_SYSTEM_LIBS
    comctl32 comdlg32 shell32 shlwapi ole32 oleaut32 uuid advapi32 user32 gdi32 kernel32
    wininet iphlpapi winmm msimg32 uxtheme version oleacc imm32 winspool ws2_32)

# Resource scripts are linked into each executable (resources in static
# libraries would be dropped by the linker).
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001 -DUNICODE -D_UNICODE -D_WIN32_WINNT=0x0501 -DWINVER=0x0501 -D_WIN32_IE=0x0600")
file(GLOB TAVROLIN_RESOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc)
# The scripts pull in id headers and images that the build does not track by
# itself: each script depends on all of them (tests/ repeats this for its
# targets, source properties being per folder).
file(GLOB_RECURSE TAVROLIN_RESOURCE_INPUTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
list(FILTER TAVROLIN_RESOURCE_INPUTS EXCLUDE REGEX "\\.rc$")
set_source_files_properties(${TAVROLIN_RESOURCES} PROPERTIES OBJECT_DEPENDS "${TAVROLIN_RESOURCE_INPUTS}")

function(tavrolin_target_defaults target)
    target_link_libraries(${target} PRIVATE tavrolin_defaults)
endfunction()

# tavrolin_library(name folder...): every .cpp below the folders, as an object
# library, so that each executable gets all of them: classes that are only
# ever created by their run-time class name have no other reference that
# would pull them out of a static library. An interface library when the
# folders hold no source.
function(tavrolin_library name)
    set(sources "")
    foreach(dir ${ARGN})
        file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND sources ${found})
    endforeach()
    if(sources)
        add_library(${name} OBJECT ${sources})
        target_link_libraries(${name} PRIVATE tavrolin_defaults)
    else()
        add_library(${name} INTERFACE)
    endif()
    target_link_libraries(${name} INTERFACE tavrolin_defaults ${TAVROLIN_SYSTEM_LIBS})
endfunction()

# Every library of the project.
function(tavrolin_link_all target)
    target_link_libraries(${target} PRIVATE toolkit engine framework sqlite3 ${TAVROLIN_SYSTEM_LIBS})
endfunction()

# tavrolin_program(name folder entry): the folder's code, less the file of
# the application object (entry), as an object library named like the
# folder, so that its tests link the same code; the program from the entry
# file; the folder's assets/ copied beside the program.
function(tavrolin_program name dir entry)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    set(entry ${CMAKE_SOURCE_DIR}/${dir}/${entry})
    list(REMOVE_ITEM sources ${entry})
    if(sources)
        add_library(${dir} OBJECT ${sources})
        target_link_libraries(${dir} PRIVATE tavrolin_defaults)
    else()
        add_library(${dir} INTERFACE)
    endif()
    if(EXISTS ${entry})
        add_executable(${name} WIN32 ${entry} ${TAVROLIN_RESOURCES})
        tavrolin_target_defaults(${name})
        target_link_libraries(${name} PRIVATE ${dir})
        tavrolin_link_all(${name})
        set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/app)
    endif()
    add_custom_target(${dir}_assets ALL
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/${dir}/assets ${CMAKE_BINARY_DIR}/app)
endfunction()
