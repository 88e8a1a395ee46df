# The program is built in layers, one static library each, bottom up: text
# and namelist, platform services, project, history, launch, selector model,
# framework, dialogs, app. A layer's headers are reachable only through an
# include root of its own, which a layer above gets by linking it; an include
# against the direction of the layers then fails to compile.
#
# An include root is a folder in the build tree holding one symbolic link,
# named like the layer's source folder, to that folder, so that every file
# keeps including "folder/header.h". Where links cannot be made (Windows
# without the privilege) the source tree itself is the root, and the
# direction is then enforced by the builds that can make them.

# orvent_include_root(<target> <PUBLIC|PRIVATE|INTERFACE> <folder>...)
#   Makes <target> see the headers of the given source folders.
get_filename_component(ORVENT_SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

function(orvent_include_root target scope)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder ${ARGN})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${folder})
      file(CREATE_LINK ${ORVENT_SOURCE_DIR}/${folder} ${root}/${folder} RESULT failed SYMBOLIC)
      if(failed)
        message(STATUS "No symbolic links here: layers are not enforced by this build")
        target_include_directories(${target} ${scope} ${ORVENT_SOURCE_DIR})
        return()
      endif()
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# orvent_layer(<target> FOLDERS <folder>... SOURCES <file>... [DEPENDS <target>...])
#   One layer: a static library of the listed sources (relative to the
#   calling CMakeLists.txt), whose headers are those of its folders, built
#   on the layers it depends on.
function(orvent_layer target)
  cmake_parse_arguments(LAYER "" "" "FOLDERS;SOURCES;DEPENDS" ${ARGN})
  add_library(${target} STATIC ${LAYER_SOURCES})
  orvent_symbols(${target})
  orvent_include_root(${target} PUBLIC ${LAYER_FOLDERS})
  if(LAYER_DEPENDS)
    target_link_libraries(${target} PUBLIC ${LAYER_DEPENDS})
  endif()
endfunction()

# orvent_symbols(<target>)
#   The program's own code keeps its debug information in every build type,
#   optimised all the same, so that a crash address from a released build
#   maps to a source line. What ships is stripped; the symbols are kept
#   beside it (app/CMakeLists.txt).
function(orvent_symbols target)
  if(MINGW)
    target_compile_options(${target} PRIVATE -g)
  elseif(MSVC)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:/Z7>)
  endif()
endfunction()
