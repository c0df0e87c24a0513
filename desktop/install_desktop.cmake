# Run at install time, when the prefix is known: writes the desktop entry with
# the installed program's absolute path (a double-click must open Cellwright
# even before <prefix>/bin is on the user's PATH) and, for an install straight
# into a prefix (no DESTDIR: not a package being built), refreshes the
# desktop's caches of file types, applications and icons.
# Expects: desktop_template, desktop_output, app_program, data_dir.

# Quoted as an Exec argument, then escaped as a desktop-entry string value.
set(exec "${CMAKE_INSTALL_PREFIX}/${app_program}")
string(REPLACE "\\" "\\\\" exec "${exec}")
foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\${reserved}" exec "${exec}")
endforeach()
string(REPLACE "\\" "\\\\" exec "${exec}")
set(exec "\"${exec}\"")
configure_file("${desktop_template}" "${desktop_output}" @ONLY)
file(INSTALL "${desktop_output}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${data_dir}/applications")

if("$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/${data_dir}")
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    find_program(update_icons gtk-update-icon-cache)
    foreach(refresh "update_mime;${share}/mime" "update_desktop;${share}/applications"
                    "update_icons;-q;-t;-f;${share}/icons/hicolor")
        list(POP_FRONT refresh tool)
        if(${tool})
            message(STATUS "Refreshing: ${${tool}} ${refresh}")
            execute_process(COMMAND ${${tool}} ${refresh})
        endif()
    endforeach()
endif()
