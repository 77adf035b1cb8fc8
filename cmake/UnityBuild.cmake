# Several source files of a target compiled as one unit: each unit pays once for the Qt, standard
# and GoogleTest code that every file instantiates again. The files of a unit share one anonymous
# namespace, so a helper name used twice in a target is one helper to merge. GCC's warning about
# types from the anonymous namespace inside a unit's classes is about the unit, not the code, and
# is off for these targets. A build with PALLOX_UNITY_BUILD=OFF checks that each file stands alone.
option(PALLOX_UNITY_BUILD "Compile the files of a target a few at a time as one unit" ON)

# Compiles TARGET's sources BATCH files to a unit.
function(pallox_unity target batch)
  if(PALLOX_UNITY_BUILD)
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${batch})
    target_compile_options(${target} PRIVATE -Wno-subobject-linkage)
  endif()
endfunction()
