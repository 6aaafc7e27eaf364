# The workbench's match-run benchmark (native only; needs the headless toolkit).
if(TARGET vintrel_workbench AND TARGET vintrel_headless_kit)
  add_executable(workbench_bench ${CMAKE_CURRENT_LIST_DIR}/workbench_bench.cpp)
  target_compile_options(workbench_bench PRIVATE ${VINTREL_GBK_FLAGS})
  target_link_libraries(workbench_bench PRIVATE vintrel_workbench vintrel_headless_kit)
endif()
