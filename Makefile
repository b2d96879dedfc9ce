# Two commands for a newcomer: `make run` and `make test`. Both install what is
# missing first (scripts/install-deps), then configure and build with CMake.
PRESET ?= $(if $(CI),ci,default)

.PHONY: all deps build run test format clean

all: build

deps:
	@scripts/install-deps

build: deps
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	./build/bin/quorvel

test: build
	@ctest --preset $(PRESET)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
