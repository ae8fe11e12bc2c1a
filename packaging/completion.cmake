# Writes the bash completion of kestravon-cli from the program's own help texts, so that
# the completion offers exactly the commands and options the program has.
#   cmake -DCLI=<kestravon-cli> -DTEMPLATE=<kestravon-cli.bash.in> -DOUTPUT=<file> -P completion.cmake

function(run_cli out)
  execute_process(COMMAND ${CLI} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${ARGN} failed: ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The first word of each line of a "Title:" section of a help text (lines indented by two).
function(section_words text title out)
  string(REGEX MATCH "${title}:\n(  [^\n]*\n)+" section "${text}")
  string(REGEX MATCHALL "\n  [^ \n,]+" words "${section}")
  string(REPLACE "\n  " "" words "${words}")
  set(${out} ${words} PARENT_SCOPE)
endfunction()

run_cli(help --help)
section_words("${help}" "Commands" commands)
if(NOT commands)
  message(FATAL_ERROR "no commands in the help of ${CLI}")
endif()
set(cases "")
foreach(command ${commands})
  run_cli(command_help ${command} --help)
  section_words("${command_help}" "Options" options)
  list(APPEND options --help)
  list(REMOVE_DUPLICATES options)
  list(JOIN options " " options)
  string(APPEND cases "        ${command}) options='${options}' ;;\n")
endforeach()
string(REGEX REPLACE "\n$" "" KESTRAVON_CLI_OPTION_CASES "${cases}")
list(JOIN commands " " KESTRAVON_CLI_COMMANDS)
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
