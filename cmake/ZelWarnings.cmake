# Strict warnings on the project's own targets only (system headers stay quiet).
function(zel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
