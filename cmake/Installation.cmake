# An installation is the programs (installed by each tool), the pictures and help pages (replaced on every
# install), the data files and Werkbund3.ini (copied only where missing, so a user's data survive), and the
# empty working folders.
install(DIRECTORY ${WERKBUND_STAGING}/GFX/ DESTINATION GFX)
install(DIRECTORY ${WERKBUND_STAGING}/Hilfe/ DESTINATION Hilfe)
install(FILES ${WERKBUND_STAGING}/Hilfe.htm DESTINATION .)
install(CODE "set(WERKBUND_STAGING \"${WERKBUND_STAGING}\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/DatenInstallieren.cmake)
foreach(ordner HTML WBD Temp Backup)
  install(DIRECTORY DESTINATION ${ordner})
endforeach()
