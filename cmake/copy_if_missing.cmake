# Copies SRC to DST only when DST does not exist yet, so that rebuilding the
# game never replaces a table of high scores that a player has earned.
if(NOT EXISTS "${DST}")
  file(COPY_FILE "${SRC}" "${DST}")
endif()
