# Mosk: the two set-up commands are `make run` and `make test`.
BUILD     ?= build
BENCHDIR  ?= build-bench
RELEASE   ?= build-release
PREFIX    ?= /usr/local
GENERATOR := -G Ninja

.PHONY: all deps build run test bench release install package clean

all: build

deps:
	scripts/install-deps

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMOSK_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD)

run: build
	$(BUILD)/ide/shell/mosk $(ARGS)

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure

$(BENCHDIR)/build.ninja:
	cmake -S . -B $(BENCHDIR) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

bench:
	scripts/install-deps --bench
	$(MAKE) $(BENCHDIR)/build.ninja
	cmake --build $(BENCHDIR)
	bench/run-all $(BENCHDIR)

# An optimised tree of its own for what gets installed; DESTDIR is honoured.
release: deps
	cmake -S . -B $(RELEASE) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DMOSK_TESTS=OFF -DMOSK_BENCH=OFF \
	  -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	cmake --build $(RELEASE)

install: release
	DESTDIR="$(DESTDIR)" cmake --install $(RELEASE)

# A Debian package (mosk_VERSION_ARCH.deb in $(RELEASE)) of a /usr tree.
package: deps
	$(MAKE) release PREFIX=/usr
	cd $(RELEASE) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BENCHDIR) $(RELEASE)
