# The sound cue player, a library of its own so that the windows and the tests
# use it without each other. Included from ui/CMakeLists.txt.
# SDL is loaded when the sound starts, not linked: only its headers are needed here.
add_library(dakru_audio STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sdl_cue_player.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_library.cpp)
target_include_directories(dakru_audio PUBLIC
  ${CMAKE_CURRENT_LIST_DIR}
  ${PROJECT_SOURCE_DIR}/game)
target_include_directories(dakru_audio PRIVATE
  $<TARGET_PROPERTY:SDL2::SDL2,INTERFACE_INCLUDE_DIRECTORIES>)
target_link_libraries(dakru_audio
  PRIVATE Qt6::Core ${CMAKE_DL_LIBS} dakru_warnings)
