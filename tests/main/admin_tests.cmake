add_executable(admin_tests
  admin_main.cpp
  frm_add_edit_user_test.cpp
  frm_obsh_test.cpp
  frm_pass_test.cpp
  frm_users_test.cpp
)
target_link_libraries(admin_tests PRIVATE zelvan_admin test_support Qt6::Test GTest::gtest)
zel_warnings(admin_tests)
gtest_discover_tests(admin_tests DISCOVERY_TIMEOUT 30
  PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
