# What `cmake --graphviz` draws for docs/dependencies.svg: the game's own
# libraries and programs, without the toolkit, the tests or the benchmark.
set(GRAPHVIZ_GRAPH_NAME "Dakru")
set(GRAPHVIZ_EXTERNAL_LIBS OFF)
set(GRAPHVIZ_GENERATE_PER_TARGET OFF)
set(GRAPHVIZ_GENERATE_DEPENDERS OFF)
set(GRAPHVIZ_INTERFACE_LIBS OFF)
set(GRAPHVIZ_IGNORE_TARGETS "dakru_bench.*;dakru_artgen;dakru_advisor_learn;.*_autogen.*;.*_resources_.*;.*_test.*;.*_soak")
