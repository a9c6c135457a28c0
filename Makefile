# Mosk: the two set-up commands are `make run` and `make test`.
BUILD     ?= build
BENCHDIR  ?= build-bench
GENERATOR := -G Ninja

.PHONY: all deps build run test bench clean

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

clean:
	rm -rf $(BUILD) $(BENCHDIR)
