# Two commands take a fresh Debian 12 machine from clone to running:
#   make run    installs what is missing, builds, creates the demo collection, starts Albora
#   make test   installs what is missing, builds, runs every test through CTest
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench demo clean

deps:
	@tools/installa-pacchetti.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@tools/prepara-demo.sh $(BUILD)/bin

run: demo
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Nessuno schermo grafico: avvia 'make run' da una sessione grafica (oppure: xvfb-run make run)."; \
	  exit 1; \
	fi
	@$(BUILD)/bin/albora

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@status=0; for b in $(BUILD)/bench/bench_*; do $$b || status=1; done; exit $$status

clean:
	rm -rf $(BUILD)
