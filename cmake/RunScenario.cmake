# Runs one scenario through kovia-batch and compares the run with what is expected of it:
#
#   cmake -DBATCH=<kovia-batch> -DSCENARIO=<dir/name.escenario> [-DACTUAL=<file>]
#         [-DREQUIRE_EXPECTED=ON] -P RunScenario.cmake
#
# Standard output must equal dir/name.esperado byte for byte (without that file only the
# status is checked, unless REQUIRE_EXPECTED is on); the exit status must equal the number in
# dir/name.estado, or 0 when there is no such file. The run's standard output is written to
# ACTUAL when given, so that a failing run can be read and compared line by line.
cmake_minimum_required(VERSION 3.25)

foreach(var BATCH SCENARIO)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RunScenario.cmake: falta -D${var}=...")
  endif()
endforeach()

get_filename_component(dir "${SCENARIO}" DIRECTORY)
get_filename_component(name "${SCENARIO}" NAME_WLE)
set(expected_file "${dir}/${name}.esperado")
set(status_file "${dir}/${name}.estado")

execute_process(
  COMMAND "${BATCH}" escenario "${SCENARIO}"
  WORKING_DIRECTORY "${dir}"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(DEFINED ACTUAL)
  file(WRITE "${ACTUAL}" "${actual}")
  set(where "\nsalida obtenida: ${ACTUAL}")
endif()

set(expected_status 0)
if(EXISTS "${status_file}")
  file(READ "${status_file}" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
if(NOT "${status}" STREQUAL "${expected_status}")
  message(FATAL_ERROR "${name}: estado de salida ${status}, se esperaba ${expected_status}\n${errors}${where}")
endif()

if(NOT EXISTS "${expected_file}")
  if(REQUIRE_EXPECTED)
    message(FATAL_ERROR "${name}: falta ${expected_file}${where}")
  endif()
  return()
endif()
file(READ "${expected_file}" expected)
if("${actual}" STREQUAL "${expected}")
  return()
endif()

# The first line that differs, found without turning the texts into CMake lists (JSON lines
# hold brackets and semicolons, which lists would split or swallow). Both lines are printed
# as they are: a FATAL_ERROR message would reflow them and merge their blanks.
function(take_line text_var line_var)
  string(FIND "${${text_var}}" "\n" end)
  if(end EQUAL -1)
    if("${${text_var}}" STREQUAL "")
      set(${line_var} "(fin de la salida)" PARENT_SCOPE)
    else()
      set(${line_var} "${${text_var}}(sin fin de línea)" PARENT_SCOPE)
    endif()
    set(${text_var} "" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${${text_var}}" 0 ${end} line)
  math(EXPR end "${end} + 1")
  string(SUBSTRING "${${text_var}}" ${end} -1 rest)
  set(${line_var} "${line}" PARENT_SCOPE)
  set(${text_var} "${rest}" PARENT_SCOPE)
endfunction()

set(line 1)
while(1)
  take_line(actual a_line)
  take_line(expected e_line)
  if(NOT "${a_line}" STREQUAL "${e_line}" OR ("${actual}" STREQUAL "" AND "${expected}" STREQUAL ""))
    break()
  endif()
  math(EXPR line "${line} + 1")
endwhile()
message(NOTICE "esperada: ${e_line}\nobtenida: ${a_line}\n${errors}")
message(FATAL_ERROR "${name}: la línea ${line} de la salida difiere de ${name}.esperado${where}")
