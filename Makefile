# `make run` and `make test` are the README's two commands (scripts/setup run|test)
# for those who have make. Both install what is missing first (scripts/install-deps),
# then configure and build with CMake.
PRESET ?= $(if $(CI),ci,default)
export PRESET

.PHONY: all deps build run test sanitize format clean

all: build

# Everything a developer needs: building, running and testing.
deps:
	@scripts/install-deps --test

build: deps
	@cmake --preset $(PRESET) -DQUORVEL_BUILD_TESTS=ON -DQUORVEL_BUILD_BENCHMARKS=ON >/dev/null
	@cmake --build --preset $(PRESET)

run:
	@scripts/setup run

test:
	@scripts/setup test

# The core, quorvel-batch and their tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, then every fuzz target for a bounded time.
sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@rm -f build-sanitize/fuzz-stats.txt
	@ctest --preset sanitize
	@cat build-sanitize/fuzz-stats.txt

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-sanitize
