# Wraps CMake: every target installs what it needs first (the program's own
# packages for run, release and bench; the test tools too for test).
TEST_DIR  := build/test
REL_DIR   := build/release
FUZZ_DIR  := build/fuzz
WORK_DIR  := build/work
FUZZ_SECONDS ?= 60

.PHONY: all release run test bench fuzz format package clean

all: test

test:
	@scripts/install-deps --test
	cmake -S . -B $(TEST_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVED_SANITIZE=ON \
	    -DVED_BENCH=ON -DCMAKE_CXX_FLAGS="-O1 -g"
	cmake --build $(TEST_DIR)
	cd $(TEST_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

release:
	@scripts/install-deps
	cmake -S . -B $(REL_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	    -DVED_BENCH=ON -DVED_TESTS=OFF
	cmake --build $(REL_DIR)

run: release
	scripts/run-program $(REL_DIR)/bin/vedomost $(WORK_DIR)

bench: release
	$(REL_DIR)/bench/ved_bench

# The Debian package of the release build: build/release/vedomost_<version>_amd64.deb.
package:
	@scripts/install-deps --package
	scripts/build-package $(REL_DIR) -DVED_BENCH=ON -DVED_TESTS=OFF

fuzz:
	@scripts/install-deps --fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVED_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="-O1 -g"
	cmake --build $(FUZZ_DIR)
	scripts/run-fuzzers $(FUZZ_DIR)/fuzz $(FUZZ_SECONDS)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf build
