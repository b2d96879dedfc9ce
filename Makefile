# Two commands for a newcomer: `make run` and `make test`. Both install what is
# missing first (scripts/install-deps), then configure and build with CMake.
PRESET ?= $(if $(CI),ci,default)

.PHONY: all deps build run test sanitize format clean

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
