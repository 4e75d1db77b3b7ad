# Finds the flite speech synthesizer with its US English voice "slt" and defines Flite::Flite.
#
#   find_package(Flite REQUIRED)
#   target_link_libraries(<target> PRIVATE Flite::Flite)

find_path(Flite_INCLUDE_DIR flite/flite.h)
set(_flite_parts flite_cmu_us_slt flite_usenglish flite_cmulex flite)
set(_flite_required Flite_INCLUDE_DIR)
foreach(part IN LISTS _flite_parts)
    find_library(Flite_${part}_LIBRARY ${part})
    list(APPEND _flite_required Flite_${part}_LIBRARY)
endforeach()

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(Flite
    REQUIRED_VARS ${_flite_required}
    REASON_FAILURE_MESSAGE "Install the Debian package flite1-dev (./run and ./test install it).")

if(Flite_FOUND AND NOT TARGET Flite::Flite)
    add_library(Flite::Flite INTERFACE IMPORTED)
    target_include_directories(Flite::Flite INTERFACE ${Flite_INCLUDE_DIR})
    # The voice first: each library needs the ones after it.
    foreach(part IN LISTS _flite_parts)
        target_link_libraries(Flite::Flite INTERFACE ${Flite_${part}_LIBRARY})
    endforeach()
endif()
mark_as_advanced(Flite_INCLUDE_DIR)
