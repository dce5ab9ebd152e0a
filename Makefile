# Set-up, build, run and test on Debian 12. `make run` and `make test` install
# what is missing (as root, or through sudo), configure and build first.

BUILD_DIR  ?= build
PRESET     ?= default
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
APT_PACKAGES = cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools \
               librtmidi-dev zlib1g-dev libssl-dev libgtest-dev libgmock-dev libbenchmark-dev \
               jackd2 xvfb xauth
# Manual pages, completion test, metainfo check, package dependencies.
APT_PACKAGES += scdoc bash-completion appstream dpkg-dev
# Fixture definition files the fixture patch is tested against.
APT_PACKAGES += qlcplus-data
# Translations: the CMake functions (qt6-tools-dev), lupdate and lrelease
# (qt6-l10n-tools), and Qt's own texts in Polish and German (qt6-translations-l10n).
APT_PACKAGES += qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
# The end-to-end test through the accessibility bus (tests/e2e/test_atspi.sh).
APT_PACKAGES += at-spi2-core python3-pyatspi dbus dbus-x11 xdotool openbox

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Sanitizer and fuzzing builds (docs/reliability.md).
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_RUNS    ?= 100000
FUZZ_SECONDS ?= 11
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tools/sanitizers/lsan.supp:print_suppressions=0 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=$(CURDIR)/tools/sanitizers/ubsan.supp

.PHONY: all deps configure build run test clean install bench test-asan deps-fuzz fuzz-build fuzz fuzz-ci check-windows lint \
        translations-update

all: build

# Installs those of the Debian packages $(1) that are missing.
define install_missing
	@missing=""; for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(APT_PACKAGES))

$(BUILD_DIR)/build.ninja: CMakeLists.txt CMakePresets.json | deps
	cmake --preset $(PRESET)

configure: deps $(BUILD_DIR)/build.ninja

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/vantorel-control-center --emulator

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-package

install: build
	cmake --install $(BUILD_DIR)

# The translation sources (translations/*.ts) brought up to date with the
# texts in the code. Not part of the build: the .ts files are sources, edited
# by translators; the build turns them into .qm files (lrelease). No line
# numbers and no obsolete entries, so that a change of code gives a small diff.
# Domain code marks its texts with VANTOREL_TRANSLATE_NOOP (src/util/Translate.h).
LUPDATE ?= /usr/lib/qt6/bin/lupdate
TS_FILES = $(wildcard translations/vantorel_*.ts)
translations-update: deps
	$(LUPDATE) -silent -recursive -extensions cpp,h -locations none -no-obsolete -source-language en \
	  -tr-function-alias QT_TRANSLATE_NOOP+=VANTOREL_TRANSLATE_NOOP src cli emulator -ts $(TS_FILES)

# The test suite built with AddressSanitizer, LeakSanitizer and UBSan. The
# environment also covers the build: test discovery runs the test programs.
# The command-line scenarios over JACK (e2e.test_*) run in `make test` only:
# under the sanitizers they took five minutes of the CI run and exercise the
# same code as the link and window tests that do run here.
build-asan/build.ninja: CMakeLists.txt CMakePresets.json | deps
	cmake --preset asan

test-asan: deps build-asan/build.ninja
	$(SANITIZER_ENV) cmake --build build-asan -j $(JOBS)
	cd build-asan && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS) -E '^e2e\.test_'

# The house style: clang-format and clang-tidy (tools/lint.sh; the checks are
# listed in .clang-tidy), warnings as errors.
LINT_PACKAGES = clang-format clang-tidy
lint: configure
	$(call install_missing,$(LINT_PACKAGES))
	tools/lint.sh format
	tools/lint.sh tidy $(BUILD_DIR)

# libFuzzer targets (clang): `make fuzz` runs each FUZZ_RUNS times, `make
# fuzz-ci` each FUZZ_SECONDS seconds.
deps-fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))

build-fuzz/build.ninja: CMakeLists.txt CMakePresets.json | deps-fuzz
	cmake --preset fuzz

fuzz-build: deps-fuzz build-fuzz/build.ninja
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets

fuzz: fuzz-build
	fuzz/run.sh build-fuzz runs $(FUZZ_RUNS)

fuzz-ci: fuzz-build
	fuzz/run.sh build-fuzz seconds $(FUZZ_SECONDS)

# The Windows branches of the code compiled with MinGW-w64 (syntax only; no
# Windows builds of the libraries here). See tools/windows-syntax-check.sh.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64
check-windows: deps
	$(call install_missing,$(WINDOWS_PACKAGES))
	tools/windows-syntax-check.sh

# Benchmarks: a Release build of its own, then every benchmark program and a
# summary of the figures with their ratios (also written to bench-summary.txt
# in that build folder). See docs/performance.md.
BENCH_DIR ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTOREL_BUILD_BENCH=ON -DVANTOREL_BUILD_TESTS=OFF \
	  $$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
	cmake --build $(BENCH_DIR) -j $(JOBS) --target bench_report vantorelctl vantorel-emulator
	$(BENCH_DIR)/bench/bench_report --summary $(BENCH_DIR)/bench-summary.txt
	bench/bench_lossy_link.sh $(BENCH_DIR)/vantorelctl $(BENCH_DIR)/vantorel-emulator | tee -a $(BENCH_DIR)/bench-summary.txt
	bench/bench_scan_jack.sh $(BENCH_DIR)/vantorelctl $(BENCH_DIR)/vantorel-emulator | tee -a $(BENCH_DIR)/bench-summary.txt

# The Debian package, made by CPack from the build tree, and its test: installed
# with apt, its programs, manual pages and completion used from the installed
# places, lintian, and removed again (packaging/test-installed-package.sh).
PACKAGE_TEST_PACKAGES = lintian
.PHONY: package test-package test-windows
package: build
	cmake --build $(BUILD_DIR) --target package

test-package: package
	$(call install_missing,$(PACKAGE_TEST_PACKAGES))
	packaging/test-installed-package.sh "$$(ls -t $(BUILD_DIR)/vantorel-control-center_*.deb | head -n 1)"

# The domain library and its unit tests cross-built for Windows with MinGW-w64
# and run under wine64 (tools/windows-tests.sh, docs/platforms.md).
WINDOWS_TEST_PACKAGES = g++-mingw-w64-x86-64 libz-mingw-w64-dev googletest wine64 ninja-build cmake
test-windows:
	$(call install_missing,$(WINDOWS_TEST_PACKAGES))
	tools/windows-tests.sh build-windows

clean:
	rm -rf $(BUILD_DIR) build-asan build-fuzz build-windows
