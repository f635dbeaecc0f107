# Two commands set everything up on a fresh Debian 12 or 13 machine:
#   make run    installs what is missing, builds, starts the program
#   make test   installs what is missing, builds, runs every test headless

BUILD ?= build
JOBS ?= $(shell nproc)

# Debian packages the build and the tests need: among them a virtual X
# server with a real window manager, for the ordinary test of windows on a
# small screen.
# Qt Linguist's tools build the translations into the program; Qt's own
# translations (Yes, No, the print dialog) come from qt6-translations-l10n.
PACKAGES := cmake g++ make pkg-config python3 qt6-base-dev libgl-dev libsodium-dev libxcb1-dev libcups2-dev \
            qt6-l10n-tools qt6-tools-dev qt6-translations-l10n \
            fonts-liberation fonts-dejavu-core xvfb openbox x11-utils
# ... and what the extended suite (make check) needs on top: a real print
# server with a PDF printer, the PDF tools to read what it printed, and a
# virtual X server with a real window manager, and the Windows cross
# compiler with Wine to run the Windows-only code, clang with libFuzzer,
# Syncthing for two machines kept in step on loopback, and weston with
# Xwayland for a Wayland desktop without a screen, and xclip to read what a
# window put on the clipboard (Qt reads it once per process).
# ... what make package needs to compute the package's dependencies and to
# check the menu entry and the metadata.
PACKAGE_PACKAGES := dpkg-dev file desktop-file-utils appstream
# ... and what make windows needs: the mingw-w64 cross compiler, Wine, NSIS
# for the installer (Debian's nsis: makensis builds Windows installers here), and the
# tools that build Qt's and libsodium's Debian sources (fetched with
# apt-get source, which needs deb-src entries: tools/apt-deb-src.sh copies
# the machine's own deb entries of its release).
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix wine64 ninja-build autoconf automake libtool dpkg-dev \
                    xvfb xauth openbox x11-utils xdotool imagemagick nsis
# Where Qt and libsodium for Windows are built once, outside the source tree.
export VELMORWICK_WINDOWS_CACHE ?= $(HOME)/.cache/velmorwick-windows
CHECK_PACKAGES := cups printer-driver-cups-pdf poppler-utils xvfb xauth openbox x11-utils \
                  xdotool imagemagick wine64 g++-mingw-w64-x86-64 clang libclang-rt-dev debootstrap syncthing \
                  weston xwayland xclip x11-xkb-utils

# The release, as the project states it; the package is named after it.
VERSION := $(shell awk '/^project/ { print $$3 }' CMakeLists.txt)
# The Debian release this machine runs, by name (bookworm, trixie).
RELEASE := $(shell . /etc/os-release && echo $$VERSION_CODENAME)

.PHONY: all deps check-deps package-deps windows-deps build run test translations check check-wayland sanitize fuzz bench package \
        windows windows-package mutants mutant clean

all: build

# Installs the listed Debian packages that are missing (through sudo when not root).
define install
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install,$(PACKAGES))

check-deps: package-deps
	$(call install,$(CHECK_PACKAGES))

package-deps: deps
	$(call install,$(PACKAGE_PACKAGES))

windows-deps: deps
	@if [ "$$(id -u)" -eq 0 ]; then sh tools/apt-deb-src.sh; else sudo sh tools/apt-deb-src.sh; fi
	$(call install,$(WINDOWS_PACKAGES))

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Only what the program needs, then the program (it says so, in one line,
# when there is no graphical session).
run: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target velmorwick -j$(JOBS)
	$(BUILD)/src/velmorwick

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS) -LE "extended|benchmark"

# The translations brought up to date with the sources: a text changed or
# added shows up in each .ts as unfinished, for its translator.
translations: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target update_translations

# The extended suite: the tests that need real outside programs, every
# ordinary test again under AddressSanitizer and UndefinedBehaviorSanitizer,
# and the benchmarks, which print their figures.
check: check-deps build sanitize fuzz package
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -L extended
	sh tests/packaging/install-in-fresh-root.sh $(BUILD)/velmorwick_$(VERSION)_amd64.deb $(RELEASE)
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --verbose -L benchmark | grep -E "^[0-9]+: [a-z]"

sanitize: deps
	cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DVELMORWICK_SANITIZE=ON
	cmake --build $(BUILD)-asan -j$(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir $(BUILD)-asan --output-on-failure -j$(JOBS) -LE "extended|benchmark"

# A minute of libFuzzer on the settings file: whatever it holds, a write goes
# through and an original it cannot write back the same is kept; then a
# minute each on its reader and writer in memory, on import files, and on the
# private list's rows before they are sealed. Each prints its runs a second.
fuzz: check-deps
	cmake -S . -B $(BUILD)-fuzz -DCMAKE_CXX_COMPILER=clang++ -DVELMORWICK_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)-fuzz --target fuzz_store fuzz_inidocument fuzz_listimport fuzz_sealedrows -j$(JOBS)
	@for target in fuzz_store fuzz_inidocument fuzz_listimport fuzz_sealedrows; do \
	  corpus=$$(mktemp -d); cp tests/fuzz/corpus/* $$corpus; \
	  $(BUILD)-fuzz/tests/fuzz/$$target -max_total_time=60 -max_len=4096 -print_final_stats=1 $$corpus \
	    > $(BUILD)-fuzz/$$target.log 2>&1; \
	  status=$$?; rm -rf $$corpus; grep -v "^QSettings::" $(BUILD)-fuzz/$$target.log | grep -E "^(Done|stat::number_of_executed|stat::average_exec|==|broken)" ; \
	  [ $$status -eq 0 ] || exit $$status; \
	done

# Only the Wayland part of the extended suite: the program on a headless
# weston with Xwayland, and windows on a small screen at twice the scale.
check-wayland: build
	$(call install,weston xwayland)
	ctest --test-dir $(BUILD) --output-on-failure -R "wayland|smallscreen"

# Start-up beside a floor program of the same weight, under a private Xvfb
# with openbox, then the store's and the password's benchmarks: ratios to
# floors measured in the same run.
bench: check-deps build
	cmake --build $(BUILD) --target velmorwick_floor launchtime bench_store bench_passwordhash listmerge -j$(JOBS)
	bench/run-startup.sh $(BUILD) 12
	$(BUILD)/tests/store/bench_store
	bench/run-merge.sh $(BUILD)
	$(BUILD)/tests/private/bench_passwordhash

# The Debian package, its menu entry and metadata checked by their validators.
package: package-deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target velmorwick manual -j$(JOBS)
	desktop-file-validate packaging/org.velmorwick.Velmorwick.desktop
	appstreamcli validate --no-net packaging/org.velmorwick.Velmorwick.metainfo.xml
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/velmorwick_*.deb

# The program and its tests for Windows, cross-built; the tests run under Wine.
windows: windows-deps
	sh tools/windows/build.sh $(BUILD)-windows

# The program's folder as a zip, ready to unpack and run on Windows, beside
# its installer (which make windows builds and tries under Wine).
windows-package: windows
	cd $(BUILD)-windows && rm -f velmorwick-$(VERSION)-windows.zip && \
	  cmake -E tar cf velmorwick-$(VERSION)-windows.zip --format=zip Velmorwick
	@ls -l $(BUILD)-windows/velmorwick-$(VERSION)-windows.zip $(BUILD)-windows/velmorwick-$(VERSION)-setup.exe

# Puts each fault listed in tests/mutants/mutants.tsv into a scratch copy of the
# sources, one at a time, and runs the ordinary tests, which must catch every
# one; then MUTANTS_RANDOM faults drawn from the code itself (by default from
# the five folders of src where data and messages are made, with a fixed seed;
# MUTANTS_FILES names files or folders, SEED=random draws afresh), printing
# a line each, the survivors with the changed line, and the score per folder.
# Not in CI: about a minute a mutant. make mutant SEED=s INDEX=n replays one.
MUTANTS_RANDOM ?= 30
mutants: deps
	$(call install,python3)
	MUTANTS_RANDOM="$(MUTANTS_RANDOM)" MUTANTS_FILES="$(MUTANTS_FILES)" MUTANTS_SEED="$(SEED)" \
	  python3 tests/mutants/run.py $(BUILD)-mutants

mutant: deps
	$(call install,python3)
	MUTANTS_FILES="$(MUTANTS_FILES)" MUTANTS_SEED="$(SEED)" python3 tests/mutants/run.py $(BUILD)-mutants --replay $(INDEX)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(BUILD)-windows $(BUILD)-mutants
