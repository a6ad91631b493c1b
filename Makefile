# Thin front end over the CMake presets; see README.md.
.PHONY: deps run-deps program run test windows tidy package bench fuzz clean

# Seconds of fuzzing: the test command runs 60, `make fuzz FUZZ_SECONDS=600` longer.
FUZZ_SECONDS ?= 60

CONFIGURE_DEV = cmake --preset dev -DKELVO_BUILD_TESTS=ON -DKELVO_BUILD_BENCHMARKS=ON >/dev/null
# The program alone needs neither GoogleTest nor Google Benchmark, so a new build
# folder is configured without them; one that the test command configured keeps
# them, since switching them off and on again would rebuild the folder each time.
CONFIGURE_PROGRAM = [ -f build/dev/CMakeCache.txt ] \
	|| cmake --preset dev -DKELVO_BUILD_TESTS=OFF -DKELVO_BUILD_BENCHMARKS=OFF >/dev/null
# Static analysis over src/ with the checks of .clang-tidy; quiet when clean.
TIDY = run-clang-tidy -p build/dev -quiet -j "$$(nproc)" '/src/' >build/dev/clang-tidy.log 2>&1 \
	|| { cat build/dev/clang-tidy.log; exit 1; }

deps:
	@scripts/install-deps test

run-deps:
	@scripts/install-deps run

program: run-deps
	$(CONFIGURE_PROGRAM)
	cmake --build --preset dev --target kelvo

run: program
	build/dev/kelvo

test: deps
	scripts/check-layers
	$(CONFIGURE_DEV)
	cmake --build --preset dev
	$(TIDY)
	ctest --preset dev
	scripts/check-package
	scripts/check-clean-root
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan
	scripts/fuzz 60
	scripts/windows-core

# The model and its tests built for Windows and run under Wine, with the
# files exchanged between the Windows and the Linux build.
windows: deps
	scripts/windows-core

tidy: deps
	$(CONFIGURE_DEV)
	cmake --build --preset dev
	$(TIDY)

package: run-deps
	$(CONFIGURE_PROGRAM)
	cmake --build --preset dev --target package

bench: deps
	$(CONFIGURE_DEV)
	cmake --build --preset dev --target kelvo kelvo_bench kelvo_pdf_bench kelvo_history_bench \
		kelvo_gui_timings kelvo_startup_watch
	build/dev/bench/kelvo_bench
	build/dev/bench/kelvo_pdf_bench
	build/dev/bench/kelvo_history_bench
	build/dev/bench/kelvo_gui_timings
	xvfb-run -a build/dev/bench/kelvo_startup_watch build/dev/kelvo

fuzz: deps
	scripts/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
