# The web page, built with emscripten into the folder web/ of the build: the
# five programs, each compiled from its own source into one script that holds
# its WebAssembly, beside the page's own files and nothing else. The page runs
# a program's `main` and shows what it prints; through the page's entry
# (entry.cpp, linked into every program here) it runs the same program's
# matcher on a learner's own text and pattern.
if(CMAKE_VERSION VERSION_LESS 3.21)
  message(FATAL_ERROR "The web page needs CMake 3.21 or newer (for its link launcher)")
endif()

# The page's scripts are bundled by esbuild (below).
find_program(ESBUILD esbuild)
if(NOT ESBUILD)
  message(FATAL_ERROR "The web page is bundled by esbuild, which is missing: "
    "install Debian's package esbuild (sudo apt install esbuild)")
endif()

# Debian's emcc runs its JavaScript optimizer with the first node on PATH,
# which finds Debian's acorn module only when told where it is.
if(EXISTS /usr/share/nodejs/acorn)
  set(node_path "/usr/share/nodejs")
  if(DEFINED ENV{NODE_PATH})
    string(APPEND node_path ":$ENV{NODE_PATH}")
  endif()
  set(launcher ${CMAKE_COMMAND} -E env "NODE_PATH=${node_path}")
endif()

set(page_dir ${PROJECT_BINARY_DIR}/web)
foreach(target IN ITEMS demos_harness demos_kmp ${DEMO_PROGRAMS})
  target_compile_options(${target} PRIVATE -Oz)
endforeach()
# Each program's matcher, which the entry runs.
set(matcher_naive-rtl bruteForce)
set(matcher_last-occurrence bruteForce)
set(matcher_good-suffix bm)
set(matcher_prefix-overlap KMP)
set(matcher_prefix-overlap-memo KMP)
foreach(program IN LISTS DEMO_PROGRAMS)
  target_sources(${program} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/entry.cpp)
  # The page finds each program's module factory under this name. sbrk tells
  # its test where the heap ends, to see that runs give back what they take.
  string(REPLACE "-" "_" factory "demo_${program}")
  set(exported _main,_runOn,_handOverOutput,_sbrk)
  set(heap "")
  # The helpers whose answers the page's explanations of each shift show, and
  # which grade the tables a learner builds.
  # The slips: each rule with one plausible mistake, which name the
  # learner's wrong answers (every program but naive-rtl, which has no rule
  # to slip on).
  if(NOT program STREQUAL "naive-rtl")
    target_sources(${program} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/slips.cpp)
    string(APPEND exported ",_shiftSlip,_entrySlip")
  endif()
  if(program STREQUAL "last-occurrence")
    target_compile_definitions(${program} PRIVATE DEMO_LAST_POS)
    string(APPEND exported ",_findLastPos")
  elseif(program STREQUAL "good-suffix")
    target_compile_definitions(${program} PRIVATE DEMO_GOOD_SUFFIX)
    string(APPEND exported ",_goodSuffixShift")
  elseif(program STREQUAL "prefix-overlap")
    target_compile_definitions(${program} PRIVATE DEMO_OVERLAP)
    string(APPEND exported ",_MaxOverlap")
  elseif(program STREQUAL "prefix-overlap-memo")
    target_compile_definitions(${program} PRIVATE DEMO_MEMO_TABLE)
    string(APPEND exported ",_failureTable,_failureTableSize,_failureTableCopies,_failureTableCopiesSize")
    set(heap ",HEAP32") # the table is read straight from the module's memory
  endif()
  target_compile_definitions(${program} PRIVATE DEMO_MATCHER=${matcher_${program}})
  # Smaller at no cost to the programs: the small allocator, only the
  # options the page passes to the module.
  target_link_options(${program} PRIVATE -Oz -sMODULARIZE -sEXPORT_NAME=${factory}
    -sSINGLE_FILE -sENVIRONMENT=web -sFILESYSTEM=0 -sINVOKE_RUN=0 -sEXPORTED_FUNCTIONS=${exported}
    -sEXPORTED_RUNTIME_METHODS=callMain,ccall${heap} -sMALLOC=emmalloc
    -sINCOMING_MODULE_JS_API=print,printErr)
  set_target_properties(${program} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY $<1:${page_dir}>
    CXX_LINKER_LAUNCHER "${launcher}")
endforeach()

foreach(file IN ITEMS index.html page.css favicon.svg)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/${file} ${page_dir}/${file} COPYONLY)
endforeach()

# The programs' own source files, which the page shows beside each step, as
# a module that names each file's text by its path, bundled with the page's
# later scripts: made from the files themselves whenever one changes, with no
# copy kept in the repository.
set(sources "// Made by web/page.cmake from the programs' source files.\nexport default {\n")
foreach(file IN ITEMS rtl/naive-rtl.cpp rtl/last-occurrence.cpp rtl/good-suffix.cpp
    overlap/prefix-overlap.cpp overlap/prefix-overlap-memo.cpp overlap/kmp.cpp)
  set(path ${CMAKE_CURRENT_LIST_DIR}/../${file})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${path})
  file(READ ${path} text)
  # A JavaScript string: backslashes and quotes escaped, lines joined by \n,
  # and a carriage return that a Windows checkout may add dropped.
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "\r" "" text "${text}")
  string(REPLACE "\n" "\\n" text "${text}")
  string(APPEND sources "  \"${file}\": \"${text}\",\n")
endforeach()
string(APPEND sources "};\n")
set(sources_module ${CMAKE_CURRENT_BINARY_DIR}/page-sources.js)
file(CONFIGURE OUTPUT ${sources_module} CONTENT "${sources}" @ONLY)

# The page's scripts are ES modules in web/src, bundled by esbuild into two
# classic scripts, since a page opened from disk refuses module scripts:
# page.js, with everything the first comparison needs, whose exports the
# later scripts reach as `demos`, and later.js, loaded after that comparison.
file(GLOB modules CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/src/*.js)
set(bundle_options --bundle --format=iife --minify --sourcemap --log-level=warning)
add_custom_command(OUTPUT ${page_dir}/page.js ${page_dir}/page.js.map
  COMMAND ${ESBUILD} ${CMAKE_CURRENT_LIST_DIR}/src/main.js ${bundle_options} --global-name=demos
    --outfile=${page_dir}/page.js
  DEPENDS ${modules} VERBATIM)
add_custom_command(OUTPUT ${page_dir}/later.js ${page_dir}/later.js.map
  COMMAND ${ESBUILD} ${CMAKE_CURRENT_LIST_DIR}/src/later.js ${bundle_options} --alias:sources=${sources_module}
    --outfile=${page_dir}/later.js
  DEPENDS ${modules} ${sources_module} VERBATIM)
add_custom_target(demos_page ALL DEPENDS ${page_dir}/page.js ${page_dir}/later.js)
