# Login and change of user, the users window with its editor, and the general settings.
add_library(zelvan_admin STATIC
  frm_add_edit_user.cpp
  frm_obsh.cpp
  frm_pass.cpp
  frm_users.cpp
)
target_include_directories(zelvan_admin PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
target_link_libraries(zelvan_admin PUBLIC zelvan_dm ui core)
zel_warnings(zelvan_admin)
