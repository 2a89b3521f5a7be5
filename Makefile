# The two commands: `make run` starts the program, `make test` builds and runs every test.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench install-local clean

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./qorin

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Installs the program into ~/Velkorin with its entries in the desktop's application menu.
install-local: build
	cd $(BUILD)/bin && ./setup --install ~/Velkorin

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b; done

clean:
	rm -rf $(BUILD)
