# Compiler flags shared by every target of the project (not by GoogleTest).
#
# The sources are UTF-8; the program talks to the system in code page 932, so
# every string literal is stored as CP932, natively too, so that the unit
# tests see the same bytes as the shipped program.
#
# Clang can store string literals only as UTF-8, so a Clang build serves the
# fuzz targets alone (tests/fuzz); its code is instrumented for the fuzzer.
function(plov_target_flags target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Werror -Wshadow -Wno-missing-field-initializers)
  if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    if(NOT PLOV_CLANG_UNIT_TESTS)
      target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
    endif()
  else()
    target_compile_options(${target} PRIVATE -fexec-charset=CP932)
  endif()
  if(WIN32)
    target_compile_definitions(${target} PRIVATE
      WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
    # The libraries' code is linked as compiled, without link-time
    # optimisation, unless plov_program_flags asks for it (see there).
    target_link_options(${target} PRIVATE -static -fno-lto)
  elseif(PLOV_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# The Windows program's own code (the libraries and the executable, not the
# test programs): no exceptions, no run-time type information, one thread,
# unused functions dropped at link time. The standard library's string code
# is compiled into the program (its assertions on) instead of taken from the
# library's prebuilt copy, which would bring the exception machinery along.
# No frame pointer: GCC keeps it by default on 32-bit Windows only, where it
# costs about a kilobyte of code.
#
# The program's code is also optimised at link time, as one unit: the shipped
# program loses a sixth of its size (the helpers and constants that many
# files share kept once, small functions inlined across files). Its objects
# carry both the compiled code and the compiler's own form of it; the test
# programs, which mix them with code compiled otherwise, link the compiled
# code (plov_target_flags). One partition: split into several, MinGW's GCC 12
# stops with an internal error ("in binds_to_current_def_p").
function(plov_program_flags target)
  if(WIN32)
    target_compile_options(${target} PRIVATE
      -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-asynchronous-unwind-tables
      -ffunction-sections -fdata-sections -fomit-frame-pointer -flto -ffat-lto-objects)
    target_compile_definitions(${target} PRIVATE _GLIBCXX_ASSERTIONS)
    target_link_options(${target} PRIVATE -flto -flto-partition=none)
  endif()
endfunction()
