# Thin front end over the CMake presets; see README.md.
.PHONY: deps run-deps run test bench fuzz clean

# Seconds of fuzzing: the test command runs 60, `make fuzz FUZZ_SECONDS=600` longer.
FUZZ_SECONDS ?= 60

deps:
	@scripts/install-deps test

run-deps:
	@scripts/install-deps run

run: run-deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev --target kelvo
	build/dev/kelvo

test: deps
	scripts/check-layers
	cmake --preset dev >/dev/null
	cmake --build --preset dev
	ctest --preset dev
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan
	scripts/fuzz 60

bench: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev --target kelvo_bench kelvo_gui_timings
	build/dev/bench/kelvo_bench
	build/dev/bench/kelvo_gui_timings

fuzz: deps
	scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
