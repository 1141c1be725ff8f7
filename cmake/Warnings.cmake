# Warnings are errors on every target of the project.
function(ifcapi_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
