# Front door: make run, make test, make bench.
BUILD      ?= build
BUILD_ASAN ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all bootstrap build run test test-fast test-asan bench package clean

all: build

bootstrap:
	@scripts/bootstrap

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: bootstrap $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run $(BUILD)/tintwell

# Every test: the normal build, then the whole suite again under the sanitizers.
test: test-fast test-asan

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: bootstrap
	cmake -S . -B $(BUILD_ASAN) -DCMAKE_BUILD_TYPE=Debug -DTINTWELL_SANITIZE=ON -DTINTWELL_BENCH=OFF
	cmake --build $(BUILD_ASAN) -j $(JOBS)
	cd $(BUILD_ASAN) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS) -LE e2e

bench: build
	@scripts/bench $(BUILD)

# The Debian package, $(BUILD)/tintwell_<version>_<arch>.deb.
package: build
	cd $(BUILD) && cpack

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
