# Vendel: the two everyday commands are `make run` and `make test`.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
DEBIAN_PACKAGES := cmake ninja-build g++ qt6-base-dev fonts-dejavu-core libbenchmark-dev clang-format
SHOP ?= build/shop

.PHONY: all run test deps build-release build-test screenshots bench format help-doc clean

all: build-release

# Installs what a fresh Debian 12 machine lacks (as root, or through sudo).
deps:
	@missing=""; for p in $(DEBIAN_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" = 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

build-release: deps
	cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVENDEL_TESTS=OFF -DVENDEL_BENCH=ON
	cmake --build build/release -j $(JOBS)

# Builds Release, copies the demo shop once, and opens the counter on it.
run: build-release
	@[ -d "$(SHOP)" ] || { mkdir -p "$(dir $(SHOP))" && cp -r demo "$(SHOP)"; }
	@cp -n build/release/help/*.pdf "$(SHOP)/" 2>/dev/null || true
	build/release/src/vendel --data-dir "$(SHOP)"

build-test: deps
	cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVENDEL_WERROR=ON -DVENDEL_SANITIZE=ON
	cmake --build build/test -j $(JOBS)

# Warnings as errors, address and undefined-behaviour sanitizers, every test headless.
test: build-test
	cd build/test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Offscreen grabs of the start window and the main window on the demo shop, into docs/.
screenshots: build-release
	QT_QPA_PLATFORM=offscreen build/release/tools/vendel_screenshots demo docs

bench: build-release
	@for b in build/release/bench/bench_*; do [ -x "$$b" ] && "$$b"; done

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
