# The sound cue player, a library of its own so that the windows and the tests
# use it without each other. Included from ui/CMakeLists.txt.
add_library(dakru_audio STATIC ${CMAKE_CURRENT_LIST_DIR}/sdl_cue_player.cpp)
target_include_directories(dakru_audio PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}
  ${PROJECT_SOURCE_DIR}/game)
target_link_libraries(dakru_audio
  PRIVATE SDL2_mixer::SDL2_mixer SDL2::SDL2 ${CMAKE_DL_LIBS} dakru_warnings)
