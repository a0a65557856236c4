# ZELMO_SANITIZE builds everything, Qt excepted, with runtime checkers:
#   address  AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer
#   thread   ThreadSanitizer
set(ZELMO_SANITIZE "" CACHE STRING "Runtime checkers: empty, address or thread")
set_property(CACHE ZELMO_SANITIZE PROPERTY STRINGS "" address thread)

if(ZELMO_SANITIZE STREQUAL "address")
  # Any undefined behaviour ends the program, so that a test cannot pass over it.
  set(ZELMO_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all)
elseif(ZELMO_SANITIZE STREQUAL "thread")
  set(ZELMO_SANITIZER_FLAGS -fsanitize=thread)
elseif(NOT ZELMO_SANITIZE STREQUAL "")
  message(FATAL_ERROR "ZELMO_SANITIZE must be empty, address or thread, not '${ZELMO_SANITIZE}'")
endif()

if(ZELMO_SANITIZER_FLAGS)
  # Whole stacks in every report.
  add_compile_options(${ZELMO_SANITIZER_FLAGS} -fno-omit-frame-pointer)
  add_link_options(${ZELMO_SANITIZER_FLAGS})
endif()
