# Vendel: the two everyday commands are `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
# What building and running needs; testing and packaging need a few more.
RUN_PACKAGES := cmake ninja-build g++ qt6-base-dev qt6-charts-dev fonts-dejavu-core qt6-translations-l10n xdg-utils
PACKAGE_PACKAGES := dpkg-dev file
# The printing tests start a private CUPS daemon of their own and read PDF jobs back with pdftotext.
TEST_PACKAGES := $(RUN_PACKAGES) $(PACKAGE_PACKAGES) desktop-file-utils appstream lintian cups cups-client poppler-utils
BENCH_PACKAGES := $(RUN_PACKAGES) libbenchmark-dev cups cups-client
FORMAT_PACKAGES := clang-format
MUTANTS_PACKAGES := $(RUN_PACKAGES) python3
# The demo shop lives in the per-user data folder, outside build/, so `make clean` never deletes it.
SHOP ?= $(or $(XDG_DATA_HOME),$(HOME)/.local/share)/Vendel/demo
PREFIX ?= /usr/local
ARGS ?=

.PHONY: all run test install deb deps build-release build-test screenshots build-bench bench bench-check \
        bench-baseline mutants format clean

all: build-release

# Installs the Debian packages of PACKAGES that a fresh Debian 12 machine lacks (as root, or through sudo).
PACKAGES ?= $(RUN_PACKAGES)
deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build-release:
	@$(MAKE) --no-print-directory deps PACKAGES="$(RUN_PACKAGES) $(EXTRA_PACKAGES)"
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENDEL_TESTS=OFF -DVENDEL_BENCH=OFF
	cmake --build build/release -j $(JOBS)

# Builds Release, copies the demo shop once (never over an existing one), and opens the counter on it.
run: build-release
	@[ -d "$(SHOP)" ] || { mkdir -p "$(SHOP)" && cp -r demo/. "$(SHOP)/" && echo "Demo shop copied to $(SHOP)"; }
	build/release/src/vendel --data-dir "$(SHOP)" $(ARGS)

build-test:
	@$(MAKE) --no-print-directory deps PACKAGES="$(TEST_PACKAGES)"
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENDEL_WERROR=ON -DVENDEL_SANITIZE=ON
	cmake --build build/test -j $(JOBS)

# Warnings as errors, address and undefined-behaviour sanitizers, every test headless (the Debian
# package included: it is built, unpacked into a scratch root and started there).
test: build-test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Installs the program, its help, the demo shop, menu entry, icons and manual page under PREFIX.
install: build-release
	cmake --install build/release --prefix "$(PREFIX)"

# The Debian package build/vendel_<version>_amd64.deb.
deb:
	@$(MAKE) --no-print-directory build-release EXTRA_PACKAGES="$(PACKAGE_PACKAGES)"
	cd build/release && cpack -G DEB -B package
	cp build/release/package/vendel_*_amd64.deb build/
	@ls -l build/vendel_*_amd64.deb
	@if command -v lintian >/dev/null; then lintian build/vendel_*_amd64.deb; fi

# Offscreen grabs of the start window and the main window on the demo shop, into docs/: Spanish and
# English, the default, a light and a dark theme, and the maximised view.
screenshots: build-release
	QT_QPA_PLATFORM=offscreen build/release/tools/vendel_screenshots demo docs
	QT_QPA_PLATFORM=offscreen build/release/tools/vendel_ticket_picture demo docs/ticket.png

BENCH_DIR := build/bench/bench

build-bench:
	@$(MAKE) --no-print-directory deps PACKAGES="$(BENCH_PACKAGES)"
	cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENDEL_TESTS=OFF -DVENDEL_BENCH=ON
	cmake --build build/bench -j $(JOBS)

# Every benchmark program, one after the other (the build folder also holds folders named bench_*);
# fails at the end, naming them, when any of them failed.
bench: build-bench
	@failed=""; for b in $(BENCH_DIR)/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$(basename "$$b")"; "$$b" || failed="$$failed $$(basename "$$b")"; \
	done; \
	if [ -n "$$failed" ]; then echo "Failed:$$failed"; exit 1; fi

# The figures that carry a reference measured in the same run, each as a ratio to its reference,
# against bench/baseline.json: prints the table and fails when a ratio is more than 25 % worse. Not
# part of `make test`: timings depend on what else the machine is doing.
bench-check: build-bench
	$(BENCH_DIR)/vendel_bench_check check bench/baseline.json $(BENCH_DIR)

# Records this run's ratios as bench/baseline.json, to commit with the change that moved them.
bench-baseline: build-bench
	$(BENCH_DIR)/vendel_bench_check write bench/baseline.json $(BENCH_DIR)

# Small changes to the core, one at a time, each rebuilt and put to the tests: the share the tests catch,
# and the changes they miss (tools/mutants/README.md). ARGS="--count 20" for a short trial.
mutants:
	@$(MAKE) --no-print-directory deps PACKAGES="$(MUTANTS_PACKAGES)"
	python3 tools/mutants/mutants.py $(ARGS)

format:
	@$(MAKE) --no-print-directory deps PACKAGES="$(FORMAT_PACKAGES)"
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Only the build trees: shops live in the data folder.
clean:
	rm -rf build
