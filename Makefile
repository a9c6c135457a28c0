# Mosk: the two set-up commands are `make run` and `make test`.
BUILD     ?= build
BENCHDIR  ?= build-bench
RELEASE   ?= build-release
TSAN      ?= build-tsan
PREFIX    ?= /usr/local
GENERATOR := -G Ninja

.PHONY: all deps build run test tsan bench release install package clean

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

# The tests whose code runs threads (the runners, the debugger, the help index
# loader), built and run under ThreadSanitizer in a tree of their own.
TSAN_TESTS := runner_tests debugger_tests help_tests

$(TSAN)/build.ninja:
	cmake -S . -B $(TSAN) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DMOSK_TSAN=ON -DMOSK_GUI=OFF -DMOSK_BENCH=OFF

tsan: deps $(TSAN)/build.ninja
	cmake --build $(TSAN) --target $(TSAN_TESTS)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(TSAN) --output-on-failure -R '^(runner|debugger|help)_tests$$'

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
	rm -rf $(BUILD) $(BENCHDIR) $(RELEASE) $(TSAN)
