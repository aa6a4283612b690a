# ZV_SYSTEM_PYTHON: the Python that Debian's python3-* packages install into,
# which tests use to run independent readers and writers (openpyxl, ezdxf).
# It is the first python3 on the PATH that can import them, so a python3 of a
# version manager placed earlier on the PATH is passed over.
function(zv_python_has_independent_readers result candidate)
  execute_process(COMMAND ${candidate} -c "import openpyxl, ezdxf"
                  RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0)
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()

find_program(ZV_SYSTEM_PYTHON NAMES python3 VALIDATOR zv_python_has_independent_readers)
