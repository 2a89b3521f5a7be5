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
	@# Only the benchmark programs: the folder also holds each one's bench_*_autogen folder.
	@for b in $(BUILD)/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; fi; \
	done

clean:
	rm -rf $(BUILD)
