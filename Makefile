# make demo: build and run the program on the shipped example, show the report.
# make test: build and run every test, also under AddressSanitizer + UBSan.
# make bench: time the record engine against snprintf and a Fortran runtime
#             and a whole run on a large generated input (not part of test).
JOBS ?= $(shell nproc)

.PHONY: all deps build demo test test-plain test-sanitize bench fuzz clean

all: build

# Header-only libraries from Debian packages (CLI11 for the command line,
# nlohmann-json for the JSON export), installed when missing.
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
deps:
	@if [ ! -f /usr/include/CLI/CLI.hpp ] || [ ! -f /usr/include/nlohmann/json.hpp ]; then \
	  $(SUDO) apt-get update && $(SUDO) apt-get install -y libcli11-dev nlohmann-json3-dev; \
	fi

build: deps
	cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build build -j $(JOBS)

demo: build
	@tools/demo.sh build/dorvane

test: test-plain test-sanitize

test-plain: build
	cd build && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DDORVANE_SANITIZE=ON >/dev/null
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ctest --output-on-failure -j $(JOBS)

bench:
	JOBS=$(JOBS) tools/bench.sh

# Coverage-guided fuzzing with clang's libFuzzer: FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz:
	fuzz/run.sh $(FUZZ_SECONDS)

clean:
	rm -rf build build-sanitize build-bench build-fuzz
