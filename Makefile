# Two commands set everything up on a fresh Debian 12 machine:
#   make run    installs what is missing, builds, starts the program
#   make test   installs what is missing, builds, runs every test headless

BUILD ?= build
JOBS ?= $(shell nproc)

# Debian packages the build and the tests need.
PACKAGES := cmake g++ make pkg-config qt6-base-dev libgl-dev \
            fonts-liberation fonts-dejavu-core

.PHONY: all deps build run test clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/src/velmorwick

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)
