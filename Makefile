# Two commands for a newcomer: `make run` and `make test`. Both install what is
# missing (Debian or Ubuntu, through apt-get), configure and build first.

BUILD   ?= build
JOBS    ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev fonts-dejavu-core \
           libgtest-dev libbenchmark-dev
SUDO     = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test bench web windows clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/ridgeline $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DRIDGELINE_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target ridgeline_bench
	./$(BUILD)-bench/bench/ridgeline_bench

# Cross builds: WebAssembly (for Node, in build-web/) and 64-bit Windows (in
# build-windows/). Each builds SDL2, SDL2_ttf and freetype from Debian's source
# packages once, into its deps/ folder; the data generator runs natively.
web: deps
	JOBS=$(JOBS) bash cmake/deps/build-deps.sh web build-web/deps
	NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} emcmake cmake -S . -B build-web \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=$(CURDIR)/build-web/deps \
	  -DCMAKE_FIND_ROOT_PATH=$(CURDIR)/build-web/deps
	NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} cmake --build build-web -j $(JOBS)

windows: deps
	JOBS=$(JOBS) bash cmake/deps/build-deps.sh windows build-windows/deps
	cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchains/mingw-w64-x86_64.cmake \
	  -DCMAKE_PREFIX_PATH=$(CURDIR)/build-windows/deps -DCMAKE_FIND_ROOT_PATH=$(CURDIR)/build-windows/deps
	cmake --build build-windows -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-*
