# Thin front end over the CMake presets; see README.md.
.PHONY: deps run-deps run test package bench clean

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
	scripts/check-package
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

package: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev --target package

bench: deps
	cmake --preset dev >/dev/null
	cmake --build --preset dev --target kelvo_bench kelvo_gui_timings
	build/dev/bench/kelvo_bench
	build/dev/bench/kelvo_gui_timings

clean:
	rm -rf build
