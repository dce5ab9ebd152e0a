# Set-up, build, run and test on Debian 12. `make run` and `make test` install
# what is missing (as root, or through sudo), configure and build first.

BUILD_DIR  ?= build
PRESET     ?= default
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
APT_PACKAGES = cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools \
               librtmidi-dev zlib1g-dev libssl-dev libgtest-dev libgmock-dev libbenchmark-dev \
               jackd2 xvfb xauth

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test clean install bench

all: build

deps:
	@missing=""; for p in $(APT_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja: CMakeLists.txt CMakePresets.json | deps
	cmake --preset $(PRESET)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/vantorel-control-center --emulator

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

install: build
	cmake --install $(BUILD_DIR)

# Benchmarks: a Release build of its own, then every benchmark program and a
# summary of the figures with their ratios (also written to bench-summary.txt
# in that build folder). See docs/performance.md.
BENCH_DIR ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOREL_BUILD_BENCH=ON -DVANTOREL_BUILD_TESTS=OFF \
	  $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_report
	$(BENCH_DIR)/bench/bench_report --summary $(BENCH_DIR)/bench-summary.txt

clean:
	rm -rf $(BUILD_DIR)
