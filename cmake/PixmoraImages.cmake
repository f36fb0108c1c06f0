# pixmora_add_images(<target> MANIFEST <file> [OPTIONS <options>...])
# pixmora_add_images(<target> IMAGES <files>... [OPTIONS <options>...])
#
# Converts pictures at build time with pixmora-cli: a manifest (`pixmora-cli build`), or the
# pictures with the command-line options given (`pixmora-cli OPTIONS -o DIR/ IMAGES`). The outputs
# go into ${CMAKE_CURRENT_BINARY_DIR}/pixmora/<target>/, which becomes an include folder of the
# target, and are added to its sources (a .c file is compiled with it). Relative paths are read
# against ${CMAKE_CURRENT_SOURCE_DIR}. The tool's depfile tells the build every file it read, so
# a changed picture or settings file converts again; an output whose bytes did not change keeps
# its time stamp, so nothing that includes it is compiled again.

function(pixmora_add_images target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "MANIFEST" "IMAGES;OPTIONS")
  if(arg_UNPARSED_ARGUMENTS OR (arg_MANIFEST AND arg_IMAGES) OR
     (NOT arg_MANIFEST AND NOT arg_IMAGES))
    message(FATAL_ERROR
            "pixmora_add_images(${target} MANIFEST <file>) or "
            "pixmora_add_images(${target} IMAGES <files>... OPTIONS <options>...)")
  endif()
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/pixmora/${target}")
  # Each call has a depfile of its own.
  get_property(calls TARGET ${target} PROPERTY PIXMORA_IMAGE_CALLS)
  if(NOT calls)
    set(calls 0)
  endif()
  math(EXPR calls "${calls} + 1")
  set_property(TARGET ${target} PROPERTY PIXMORA_IMAGE_CALLS ${calls})
  set(depfile "${folder}/.pixmora-${calls}.d")

  # A settings file named in OPTIONS is read against the source folder as well.
  set(options)
  set(settings_next FALSE)
  foreach(option IN LISTS arg_OPTIONS)
    if(settings_next)
      get_filename_component(option "${option}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    elseif(option MATCHES "^--settings=(.*)$")
      get_filename_component(path "${CMAKE_MATCH_1}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
      set(option "--settings=${path}")
    endif()
    set(settings_next FALSE)
    if(option STREQUAL "--settings")
      set(settings_next TRUE)
    endif()
    list(APPEND options "${option}")
  endforeach()

  if(arg_MANIFEST)
    get_filename_component(manifest "${arg_MANIFEST}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    # The outputs a manifest names are known only from it: read it again when it changes.
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${manifest}")
    set(head "${PIXMORA_CLI}" build "${manifest}" -o "${folder}" ${options})
    set(tail)
    set(inputs "${manifest}")
    get_filename_component(what "${manifest}" NAME)
  else()
    set(inputs)
    foreach(image IN LISTS arg_IMAGES)
      get_filename_component(image "${image}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
      list(APPEND inputs "${image}")
    endforeach()
    set(head "${PIXMORA_CLI}" ${options} -o "${folder}/")
    set(tail -- ${inputs})
    list(LENGTH inputs count)
    set(what "${count} pictures")
    if(count EQUAL 1)
      set(what "1 picture")
    endif()
  endif()

  execute_process(COMMAND ${head} --list-outputs ${tail}
                  OUTPUT_VARIABLE outputs ERROR_VARIABLE error RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "pixmora_add_images(${target}): ${error}")
  endif()
  string(STRIP "${outputs}" outputs)
  string(REPLACE "\n" ";" outputs "${outputs}")

  add_custom_command(
    OUTPUT ${outputs}
    COMMAND ${head} --depfile "${depfile}" ${tail}
    DEPENDS ${inputs} "${PIXMORA_CLI}"
    DEPFILE "${depfile}"
    COMMENT "Converting ${what} for ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${outputs})
  target_include_directories(${target} PRIVATE "${folder}")
endfunction()
