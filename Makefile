# Korvanta Planner: `make run` starts the planner, `make test` builds and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEB_PACKAGES = g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libqt6serialport6 \
               libgtest-dev libgmock-dev libbenchmark-dev qt6-svg-dev help2man dpkg-dev fakeroot \
               file desktop-file-utils shared-mime-info xdg-utils fonts-liberation poppler-utils \
               clang libclang-rt-14-dev xdotool
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Compiles go through ccache where it is installed (CI's second build of a file is then cheap).
CCACHE_LAUNCHER = $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

.PHONY: all deps configure build test run bench package fuzz fuzz-build fuzz-smoke sanitize clean

all: build

# Installs only what is missing; safe to run again.
deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR)

configure: deps
	cmake -S . -B $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	mkdir -p $(BUILD_DIR)/xdg-runtime && chmod 700 $(BUILD_DIR)/xdg-runtime
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

run: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target korvanta-planner
	$(BUILD_DIR)/src/app/planner/korvanta-planner $(FILE)

# The Debian package build/korvanta-planner_VERSION_ARCH.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
	@for b in $(BUILD_DIR)/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

# libFuzzer targets with AddressSanitizer and UndefinedBehaviorSanitizer; each runs
# FUZZ_SECONDS from its seed corpus (new inputs it finds go to build-fuzz/corpus/).
# The inputs are bounded by what each reader can take in (a prices file is 36 bytes, the
# hand-over block 256, an options file a few hundred); a run allocates far less than the 16 MB
# of freed memory ASan keeps poisoned, so a use after free is still caught while freed pages
# are reused.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = washdata prices firmware frontpanel_reply network_reply handover report settings
FUZZ_ENV = ASAN_OPTIONS=quarantine_size_mb=16
FUZZ_MAX_LEN = case $$t in prices) echo 64;; handover) echo 300;; settings) echo 1024;; *) echo 4096;; esac
fuzz-build: deps
	CXX=clang++ cmake -S fuzz -B $(FUZZ_DIR) $(CCACHE_LAUNCHER)
	cmake --build $(FUZZ_DIR) -j $(JOBS)

fuzz: fuzz-build
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_ENV) $(FUZZ_DIR)/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -max_len=$$($(FUZZ_MAX_LEN)) -dict=fuzz/korvanta.dict \
	    $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t; \
	done

# A few seconds of every target from its seed corpus alone, with a fixed seed: for CI.
fuzz-smoke: fuzz-build
	@set -e; for t in $(FUZZ_TARGETS); do \
	  rm -rf $(FUZZ_DIR)/smoke/$$t && mkdir -p $(FUZZ_DIR)/smoke/$$t; \
	  if $(FUZZ_ENV) $(FUZZ_DIR)/fuzz_$$t -seed=1 -max_total_time=5 -print_final_stats=1 \
	       -max_len=$$($(FUZZ_MAX_LEN)) -dict=fuzz/korvanta.dict \
	       $(FUZZ_DIR)/smoke/$$t fuzz/corpus/$$t > $(FUZZ_DIR)/smoke/$$t.log 2>&1; then \
	    echo "fuzz_$$t: $$(grep -h number_of_executed_units $(FUZZ_DIR)/smoke/$$t.log)"; \
	  else tail -40 $(FUZZ_DIR)/smoke/$$t.log; exit 1; fi; \
	done

# The whole project and its tests built with clang under both sanitizers, no recovery.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
sanitize: deps
	CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug $(CCACHE_LAUNCHER) \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	mkdir -p $(SANITIZE_DIR)/xdg-runtime && chmod 700 $(SANITIZE_DIR)/xdg-runtime
	# The core tests link no Qt: they also run with leak detection.
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(SANITIZE_DIR)/tests/core_tests --gtest_brief=1
	cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)
