# Two commands for a newcomer: `make run` and `make test`. Both install what is
# missing (Debian or Ubuntu, through apt-get), configure and build first.

BUILD   ?= build
JOBS    ?= $(shell nproc)
PACKAGES = cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev fonts-dejavu-core \
           libgtest-dev libbenchmark-dev xvfb xdotool x11-utils
SUDO     = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps build run test bench clean

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

clean:
	rm -rf $(BUILD) $(BUILD)-*
