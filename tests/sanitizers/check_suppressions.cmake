# cmake -DSUPPRESSIONS=lsan.supp -P check_suppressions.cmake: fails unless every entry of the
# LeakSanitizer suppressions names a function of Qt, fontconfig or Mesa's EGL, never a library, a
# file or a wildcard, so that no entry can match a frame of the game's own.
file(STRINGS "${SUPPRESSIONS}" entries REGEX "^[^#]")
set(theirs "^leak:(Q[A-Za-z]*::[A-Za-z_:~]+|Fc[A-Z][A-Za-z]+|egl[A-Z][A-Za-z]+)$")
foreach(entry IN LISTS entries)
    if(NOT entry MATCHES "${theirs}")
        message(SEND_ERROR "${SUPPRESSIONS}: '${entry}' names no function of another library")
    endif()
endforeach()
