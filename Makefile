# Thin wrapper: every target installs what is missing, configures and builds as needed.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build test run bench clean

deps:
	@scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@scripts/firebird-server.sh
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

run: build
	@BUILD=$(abspath $(BUILD)) scripts/demo.sh src/main/zelvan61

bench: build
	@for b in $(BUILD)/bench/*/*_bench; do echo "== $$b"; $$b; done

clean:
	@rm -rf $(BUILD)
