# Checks the layering of the sources: the core uses the C++ standard library
# and the public headers only (no Qt, no files, no clock, nothing of a host),
# the public headers include only each other, base/ sits beneath every
# folder, render/ beneath the button, and the containers (headless, the
# host library, Qt) build on the public API alone.
#   cmake -DSOURCE_DIR=<repository> -P CheckLayering.cmake
cmake_minimum_required(VERSION 3.25)

set(failures "")

# Files under `folders` may not include what matches `forbidden`; an
# optional fourth argument names files (a regular expression) left out.
function(check_includes what folders forbidden)
  foreach(folder ${folders})
    file(GLOB_RECURSE files ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(f ${files})
      if(ARGC GREATER 3 AND f MATCHES "${ARGV3}")
        continue()
      endif()
      file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include")
      foreach(line ${lines})
        if(line MATCHES "${forbidden}")
          file(RELATIVE_PATH rel ${SOURCE_DIR} ${f})
          list(APPEND failures "${rel}: ${what}: ${line}")
        endif()
      endforeach()
    endforeach()
  endforeach()
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

set(core base control input render themes content)
check_includes("the core includes no host, Qt, file or clock header" "${core}"
  "<Q|<vemmix/(headless|host|qt)/|\"host/|<(fstream|filesystem|chrono|ctime|thread|mutex|cstdio|iostream)>")
check_includes("base/ includes only base/ and the public headers" "base"
  "\"(control|input|render|themes|content|host)/")
check_includes("render/ sits beneath the button" "render"
  "\"(control|input|content|host)/|\"themes/(AppearancePresets|ThemeDetection)")
check_includes("public headers include only public headers" "include/vemmix"
  "#[ \t]*include[ \t]*\"")
check_includes("the core's public headers include no container's header" "include/vemmix"
  "<vemmix/(headless|host|qt)/|<Q" "/include/vemmix/(headless|host|qt)/")
check_includes("the headless container uses the public API only" "host/headless;include/vemmix/headless"
  "\"(base|control|input|render|themes|content)/|<Q|<vemmix/(host|qt)/")
check_includes("the host library uses the public API only" "host;include/vemmix/host"
  "\"(base|control|input|render|themes|content)/|<vemmix/qt/|<Qt?Widgets|<QWidget"
  "/host/(qt|headless)/")
check_includes("the Qt container uses the public API only" "host/qt;include/vemmix/qt"
  "\"(base|control|input|render|themes|content)/")

if(failures)
  list(JOIN failures "\n" text)
  message(FATAL_ERROR "layering broken:\n${text}")
endif()
message(STATUS "layering kept")
