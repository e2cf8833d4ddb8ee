# The two everyday commands are `make demo` and `make test`; see README.md.
PRESET ?= release
JOBS ?= 2
BUILD_DIR := build/$(PRESET)

.PHONY: deps configure build demo test asan-test format clean

deps:
	scripts/install-deps

configure: deps
	cmake --preset $(PRESET) >/dev/null

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

demo: build
	scripts/demo $(BUILD_DIR)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

asan-test:
	$(MAKE) test PRESET=asan

format:
	find host core ui tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
