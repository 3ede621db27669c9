# Korvanta Planner: `make run` starts the planner, `make test` builds and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
DEB_PACKAGES = g++ cmake make pkg-config qt6-base-dev qt6-serialport-dev libqt6serialport6 \
               libgtest-dev libgmock-dev libbenchmark-dev qt6-svg-dev help2man dpkg-dev fakeroot \
               file desktop-file-utils shared-mime-info xdg-utils fonts-liberation
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build test run bench package clean

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

clean:
	rm -rf $(BUILD_DIR)
