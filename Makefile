# Every target installs what is missing first, so a fresh Debian machine needs nothing else.
JOBS ?= $(shell nproc)

.PHONY: deps build demo test test-default test-asan test-fuzz bench package gui format clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset default >/dev/null
	@cmake --build --preset default -j $(JOBS)

demo: build
	@bash scripts/demo.sh build/default

test: test-default test-asan test-fuzz

test-default: build
	ctest --preset default -j $(JOBS)

test-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

test-fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@bash scripts/fuzz-smoke.sh build/fuzz 5

bench: build
	@bash scripts/run-benchmarks.sh build/default

# The Debian package of the default build, copied here for `apt install ./pixmora_*.deb`.
package: build
	@cpack -G DEB --config build/default/CPackConfig.cmake -B build/package >/dev/null
	@cp build/package/pixmora_*.deb .
	@ls pixmora_*.deb

gui: build
	./build/default/Pixmora_Convert

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
