# Tests that run Windows programs under Wine share one fresh Wine prefix,
# made before the first of them and shut down after the last.

set(SKEINFOLD_WINE /usr/lib/wine/wine64 CACHE FILEPATH "Wine's launcher")
set(SKEINFOLD_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

function(skeinfold_use_wine_prefix)
  if(NOT TEST wine_prefix_start)
    set(script ${PROJECT_SOURCE_DIR}/tests/wine-prefix.sh)
    add_test(NAME wine_prefix_start
             COMMAND sh ${script} start ${SKEINFOLD_WINE} ${SKEINFOLD_WINE_PREFIX})
    add_test(NAME wine_prefix_stop
             COMMAND sh ${script} stop ${SKEINFOLD_WINE} ${SKEINFOLD_WINE_PREFIX})
    set_tests_properties(wine_prefix_start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine)
  endif()
  set_tests_properties(${ARGN} PROPERTIES
    FIXTURES_REQUIRED wine
    ENVIRONMENT "WINEPREFIX=${SKEINFOLD_WINE_PREFIX};WINEDEBUG=-all")
endfunction()
