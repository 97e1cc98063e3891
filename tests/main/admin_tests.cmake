zel_widget_tests(admin_tests
  SOURCES frm_add_edit_user_test.cpp frm_obsh_test.cpp frm_pass_test.cpp frm_users_test.cpp
  LINKS zelvan_admin)
