# One library per source folder: every .cpp/.h of the folder (subfolders excluded).
#
#   quorvel_library(<name> LOGIC|WINDOWS [DIR <subfolder>] DEPS <targets>...)
#
# LOGIC libraries hold what can be computed and tested without a window; they
# must not reach QtWidgets or QtPrintSupport, directly or through another
# library. WINDOWS libraries hold widgets, dialogs and pages. A folder that
# holds both keeps them in the subfolders logic/ and windows/.
function(quorvel_library name)
  cmake_parse_arguments(ARG "LOGIC;WINDOWS" "DIR" "DEPS" ${ARGN})
  if(NOT ARG_LOGIC AND NOT ARG_WINDOWS)
    message(FATAL_ERROR "quorvel_library(${name}): say LOGIC or WINDOWS")
  endif()
  set(dir ${CMAKE_CURRENT_SOURCE_DIR})
  if(ARG_DIR)
    set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_DIR})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  if(sources)
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    add_library(${name} STATIC ${sources} ${headers})
    target_include_directories(${name} PUBLIC ${dir})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    # A folder that holds nothing to compile yet, or headers only.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${dir})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
  if(ARG_LOGIC)
    set_property(GLOBAL APPEND PROPERTY QUORVEL_LOGIC_LIBRARIES ${name})
  endif()
endfunction()

# Collects every target `target` links, directly or through other targets.
function(quorvel_collect_links target out)
  set(seen ${${out}})
  get_target_property(type ${target} TYPE)
  set(props INTERFACE_LINK_LIBRARIES)
  if(NOT type STREQUAL "INTERFACE_LIBRARY")
    list(APPEND props LINK_LIBRARIES)
  endif()
  foreach(prop ${props})
    get_target_property(links ${target} ${prop})
    if(NOT links)
      continue()
    endif()
    foreach(link ${links})
      if(TARGET ${link} AND NOT link IN_LIST seen)
        list(APPEND seen ${link})
        quorvel_collect_links(${link} seen)
      endif()
    endforeach()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configuration when a logic library reaches the widget modules or a
# windows library of the program.
function(quorvel_check_logic_libraries)
  get_property(logic GLOBAL PROPERTY QUORVEL_LOGIC_LIBRARIES)
  foreach(name ${logic})
    set(links "")
    quorvel_collect_links(${name} links)
    foreach(link ${links})
      if(link MATCHES "^Qt6::(Widgets|PrintSupport)$" OR link MATCHES "_windows$" OR link STREQUAL "quorvel_app")
        message(FATAL_ERROR "The logic library ${name} must not depend on ${link}")
      endif()
    endforeach()
  endforeach()
endfunction()

# One GoogleTest executable per test folder: every .cpp of the folder.
# Tests are listed when ctest runs, so a test binary never runs at build time.
function(quorvel_test name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE quorvel_test_support ${ARG_DEPS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
