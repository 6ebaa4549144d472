# Two commands do all the set-up on a fresh Debian 12 machine:
#   make run    install what is missing, build, start the program
#   make test   install what is missing, build, run every test
BUILD       ?= build
BUILD_SAN   ?= build-sanitize
BUILD_FUZZ  ?= build-fuzz
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps build run test test-sanitize fuzz bench clean

all: build

deps:
	@./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./scripts/run.sh $(BUILD)

# Release build with everything, then the core again in a Debug build with
# AddressSanitizer and UndefinedBehaviorSanitizer: the same expected reports
# must come out of both, whatever the optimisation level.
test: build test-sanitize
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DTERVOX_WITH_QT=OFF -DTERVOX_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure -j $(JOBS)

# Coverage-guided fuzzing of the parser, a whole run and the mask reader.
FUZZ_SECONDS ?= 60
fuzz: deps
	CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVOX_WITH_QT=OFF -DTERVOX_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS)
	./scripts/fuzz.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

bench: build
	./scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)
