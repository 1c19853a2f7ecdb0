# Commands for a newcomer: `make run`, `make test`, `make bench`,
# `make package`, `make board`, and the cross builds `make web` and `make windows`. Each
# installs what it needs and is missing (Debian or Ubuntu, through apt-get),
# configures and builds first.

BUILD   ?= build
JOBS    ?= $(shell nproc)
SUDO     = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# What building and running the game needs; each target below adds its own.
RUN_PACKAGES     = cmake g++ make libsdl2-dev libsdl2-ttf-dev libpng-dev fonts-dejavu-core
# The score board's server (and the game's --submit): HTTP, JSON, SQLite, PostgreSQL.
BOARD_PACKAGES   = $(RUN_PACKAGES) libcpp-httplib-dev nlohmann-json3-dev libsqlite3-dev libpq-dev pkg-config
TEST_PACKAGES    = $(BOARD_PACKAGES) libgtest-dev ccache curl sqlite3 postgresql
BENCH_PACKAGES   = $(RUN_PACKAGES) libbenchmark-dev
PACKAGE_PACKAGES = $(RUN_PACKAGES) dpkg-dev file

# A compiler cache, where one is installed, makes the next build of the same
# code take seconds, in this clone or any other on the machine: paths are
# hashed relative to the clone.
CCACHE   = $(shell command -v ccache)
LAUNCHER = $(if $(CCACHE),-DCMAKE_C_COMPILER_LAUNCHER=$(CCACHE) -DCMAKE_CXX_COMPILER_LAUNCHER=$(CCACHE))
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: deps test-deps bench-deps package-deps board-deps build run test bench package board web windows clean

# Installs the packages of $(1) that are not installed yet.
install-missing = @tools/install-packages $(1)

deps:
	$(call install-missing,$(RUN_PACKAGES))
test-deps:
	$(call install-missing,$(TEST_PACKAGES))
bench-deps:
	$(call install-missing,$(BENCH_PACKAGES))
package-deps:
	$(call install-missing,$(PACKAGE_PACKAGES))
board-deps:
	$(call install-missing,$(BOARD_PACKAGES))

# A player's build: the game alone, and a new compiler's new warnings do not
# stop it. `make test` turns the tests and -Werror on in the same folder.
$(BUILD)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(LAUNCHER)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/ridgeline $(ARGS)

test: test-deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DBUILD_TESTING=ON -DRIDGELINE_BOARD=ON -DRIDGELINE_WERROR=ON $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: bench-deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DRIDGELINE_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS) --target ridgeline_bench
	./$(BUILD)-bench/bench/ridgeline_bench

# $(BUILD)/ridgeline-board, the score board's server, beside the game that
# it plays (and the game, which then sends kept games with --submit).
board: board-deps $(BUILD)/CMakeCache.txt
	cmake -S . -B $(BUILD) -DRIDGELINE_BOARD=ON $(LAUNCHER)
	cmake --build $(BUILD) -j $(JOBS)

# $(BUILD)/ridgeline_<version>_amd64.deb
package: package-deps build
	cmake --build $(BUILD) -j $(JOBS) --target package

# The cross builds' libraries live outside the clone, so that every clone on
# this machine reuses them; each library is rebuilt when its recipe changes.
DEPS_CACHE ?= $(HOME)/.cache/ridgeline
WEB_DEPS     = $(DEPS_CACHE)/deps-web
WINDOWS_DEPS = $(DEPS_CACHE)/deps-windows

# Cross builds: WebAssembly (the web page build-web/index.html, and the game
# for Node, in build-web/) and 64-bit Windows (in build-windows/). Each builds
# zlib, libpng, freetype, SDL2 and SDL2_ttf from Debian's source packages once,
# into $(DEPS_CACHE); the data generator runs natively.
web: deps
	JOBS=$(JOBS) bash cmake/deps/build-deps.sh web $(WEB_DEPS)
	NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} emcmake cmake -S . -B build-web \
	  -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH=$(WEB_DEPS) \
	  -DCMAKE_FIND_ROOT_PATH=$(WEB_DEPS)
	NODE_PATH=$${NODE_PATH:-/usr/share/nodejs} cmake --build build-web -j $(JOBS)

windows: deps
	$(call install-missing,nlohmann-json3-dev)
	JOBS=$(JOBS) bash cmake/deps/build-deps.sh windows $(WINDOWS_DEPS)
	cmake -S . -B build-windows -DCMAKE_BUILD_TYPE=Release $(LAUNCHER) \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/toolchains/mingw-w64-x86_64.cmake \
	  -DCMAKE_PREFIX_PATH=$(WINDOWS_DEPS) -DCMAKE_FIND_ROOT_PATH=$(WINDOWS_DEPS)
	cmake --build build-windows -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-*
