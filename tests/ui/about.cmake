quillex_add_ui_test(about_tab_test about_tab_test.cpp)
# The site button's test looks for the guide from the program's folder in the build tree; the
# install test runs it again over an install tree.
set_property(TEST about_tab_test APPEND PROPERTY ENVIRONMENT
  "QUILLEX_PROGRAM_DIR=$<TARGET_FILE_DIR:quillex>"
  "QUILLEX_GUIDE_PAGE=$<TARGET_FILE_DIR:quillex>/guide/index.html")
