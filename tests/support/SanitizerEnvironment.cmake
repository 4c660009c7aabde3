# Read by CTest in the sanitizer tree before any test runs, so every test and
# every program it starts finds the same options: leaks are reported, stacks
# are symbolized, and the suppressions of third-party libraries apply. Freed
# memory is held back 32 MiB deep rather than 256, so that the game's resident
# memory stays near what the tests expect of it.
set(ENV{ASAN_OPTIONS} "detect_leaks=1:check_initialization_order=1:strict_init_order=1:quarantine_size_mb=32")
set(ENV{LSAN_OPTIONS} "suppressions=${CMAKE_CURRENT_LIST_DIR}/sanitizer-suppressions.txt:print_suppressions=0")
set(ENV{UBSAN_OPTIONS} "print_stacktrace=1")
# Libraries loaded at run time and unloaded before the process ends (D-Bus by
# SDL, Mesa's GLX library and software renderer by the GL dispatcher) take the
# pointers to what they keep for the process with them, so LeakSanitizer
# would see their memory as leaked, in a module it can no longer name.
# Preloaded, they stay until the end.
file(GLOB dh_swrast /usr/lib/*/dri/swrast_dri.so)
set(ENV{LD_PRELOAD} "libdbus-1.so.3 libGLX_mesa.so.0 ${dh_swrast}")
