# Checks that the includes of src/ point down only:
#   - a domain file (a source of the core, or a header one reaches) includes
#     no Qt header and nothing of cli/ or app/;
#   - nothing outside app/ includes an app/ header;
#   - cli/ reaches no Qt header (so no widget code either).
#
#   cmake -DROOT=<tree holding src/ and res/> -DCORE_LIST=<file> -P check_includes.cmake
#
# CORE_LIST names the core's sources, one a line, absolute or relative to
# ROOT/src. Prints each violation and fails when there is any.

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT OR NOT CORE_LIST)
  message(FATAL_ERROR "usage: cmake -DROOT=<dir> -DCORE_LIST=<file> -P check_includes.cmake")
endif()
set(SRC "${ROOT}/src")
set(violations "")

# The includes of a file: "quoted;<angled>" entries, as written.
function(read_includes file out)
  file(STRINGS "${file}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  set(result "")
  foreach(line IN LISTS lines)
    if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
      list(APPEND result "${CMAKE_MATCH_1}")
    elseif(line MATCHES "#[ \t]*include[ \t]*<([^>]+)>")
      list(APPEND result "<${CMAKE_MATCH_1}>")
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# A quoted include as a file of the tree, or "" when it is none of ours.
function(resolve from name out)
  get_filename_component(dir "${from}" DIRECTORY)
  foreach(base "${SRC}" "${ROOT}/res" "${dir}")
    if(EXISTS "${base}/${name}" AND NOT IS_DIRECTORY "${base}/${name}")
      get_filename_component(path "${base}/${name}" ABSOLUTE)
      set(${out} "${path}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "" PARENT_SCOPE)
endfunction()

function(relative path out)
  file(RELATIVE_PATH rel "${SRC}" "${path}")
  set(${out} "${rel}" PARENT_SCOPE)
endfunction()

# Walks everything the start files reach through quoted includes and
# reports, under the given role, each Qt header and each header of the
# forbidden folders (a regex on the path below src/, or "" for none).
function(check_closure role start forbidden)
  set(queue ${start})
  set(seen "")
  set(found "")
  while(queue)
    list(POP_FRONT queue file)
    if(file IN_LIST seen)
      continue()
    endif()
    list(APPEND seen "${file}")
    relative("${file}" rel)
    read_includes("${file}" includes)
    foreach(inc IN LISTS includes)
      if(inc MATCHES "^<Q")
        list(APPEND found "${rel}: ${role} includes ${inc}")
      elseif(NOT inc MATCHES "^<")
        resolve("${file}" "${inc}" target)
        if(target)
          relative("${target}" target_rel)
          if(forbidden AND target_rel MATCHES "${forbidden}")
            list(APPEND found "${rel}: ${role} includes ${target_rel}")
          endif()
          list(APPEND queue "${target}")
        endif()
      endif()
    endforeach()
  endwhile()
  set(violations ${violations} ${found} PARENT_SCOPE)
endfunction()

# The domain: the core's sources and what they include.
file(STRINGS "${CORE_LIST}" core_entries)
set(core "")
foreach(entry IN LISTS core_entries)
  if(entry STREQUAL "")
    continue()
  endif()
  if(NOT IS_ABSOLUTE "${entry}")
    set(entry "${SRC}/${entry}")
  endif()
  get_filename_component(entry "${entry}" ABSOLUTE)
  relative("${entry}" rel)
  if(rel MATCHES "^(cli|app)/")
    list(APPEND violations "${rel}: the core compiles a file of ${CMAKE_MATCH_1}/")
  endif()
  list(APPEND core "${entry}")
endforeach()
check_closure("a domain file" "${core}" "^(cli|app)/")

# cli/: no Qt anywhere in what it reaches.
file(GLOB_RECURSE cli_files "${SRC}/cli/*.cpp" "${SRC}/cli/*.h")
check_closure("cli code" "${cli_files}" "^app/")

# Nothing outside app/ includes app/.
file(GLOB_RECURSE all_files "${SRC}/*.cpp" "${SRC}/*.h")
foreach(file IN LISTS all_files)
  relative("${file}" rel)
  if(rel MATCHES "^app/")
    continue()
  endif()
  read_includes("${file}" includes)
  foreach(inc IN LISTS includes)
    if(inc MATCHES "^app/")
      list(APPEND violations "${rel}: includes ${inc}, though only app/ may")
    endif()
  endforeach()
endforeach()

list(REMOVE_DUPLICATES violations)
list(SORT violations)
list(LENGTH violations count)
if(count GREATER 0)
  foreach(v IN LISTS violations)
    message(NOTICE "${v}")
  endforeach()
  message(FATAL_ERROR "${count} include rule violation(s)")
endif()
message(STATUS "Includes point down only")
