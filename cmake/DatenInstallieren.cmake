# Copies the staged data files into the installation, each only where it is missing.
set(ziel "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
file(GLOB_RECURSE dateien LIST_DIRECTORIES false RELATIVE "${WERKBUND_STAGING}" "${WERKBUND_STAGING}/Data/*")
list(APPEND dateien "Werkbund3.ini")
# A warehouse "Warehouse…" file replaces the goods file of its name at the warehouse's next start, so it
# comes only where that goods file is missing too: an update keeps the user's goods. Judged before anything
# is copied, since the goods file itself may be installed in this run.
set(ersatz_uebergehen "")
foreach(datei IN LISTS dateien)
  # Two steps: ${CMAKE_MATCH_1} is expanded before the if() that would set it is evaluated.
  if(datei MATCHES "^Data/Warehouse/Warehouse(.+)$")
    if(EXISTS "${ziel}/Data/Warehouse/${CMAKE_MATCH_1}")
      list(APPEND ersatz_uebergehen "${datei}")
    endif()
  endif()
endforeach()
foreach(datei IN LISTS dateien)
  # list(FIND): this script runs without the project's policies, where if(IN_LIST) is unknown.
  list(FIND ersatz_uebergehen "${datei}" uebergehen)
  if(EXISTS "${ziel}/${datei}")
    message(STATUS "Behalten: ${ziel}/${datei}")
  elseif(uebergehen GREATER -1)
    message(STATUS "Übergangen (die Warendatei ist vorhanden): ${ziel}/${datei}")
  else()
    get_filename_component(ordner "${ziel}/${datei}" DIRECTORY)
    file(MAKE_DIRECTORY "${ordner}")
    file(COPY_FILE "${WERKBUND_STAGING}/${datei}" "${ziel}/${datei}")
    message(STATUS "Installiert: ${ziel}/${datei}")
  endif()
endforeach()
