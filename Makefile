# The two commands of the README:
#   make run   installs what is missing, builds and starts Dunok
#   make test  installs what is missing, builds (with sanitizers) and runs every test
.PHONY: run test build deps bench deb clean

BUILD      ?= build/release
TEST_BUILD ?= build/test
JOBS       ?= $(shell nproc)

# Debian 12 packages that building, running and testing Dunok need.
PACKAGES := build-essential cmake ninja-build pkg-config \
	qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins \
	qt6-l10n-tools qt6-tools-dev qt6-translations-l10n \
	libsqlite3-dev sqlite3 libicu-dev libfontconfig-dev libsndfile1-dev qt6-multimedia-dev \
	libx11-dev libxdamage-dev xvfb xauth xdotool x11-utils imagemagick dbus dbus-x11 \
	pulseaudio pulseaudio-utils libpulse-dev bc fonts-dejavu-core \
	appstream desktop-file-utils dpkg-dev strace valgrind man-db groff-base \
	openbox trayer dunst libnotify-bin wmctrl x11-utils \
	at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi weston qt6-wayland \
	libwayland-dev wayland-protocols sway grim xdg-utils waybar \
	xdg-desktop-portal xdg-desktop-portal-gtk gsettings-desktop-schemas dconf-cli

deps:
	@tools/install-missing.sh $(PACKAGES)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDUNOK_BUILD_TESTS=OFF
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-dunok.sh $(BUILD)/bin/dunok

test: deps
	cmake -S . -B $(TEST_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDUNOK_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake -S . -B $(BUILD) -DDUNOK_BUILD_BENCH=ON
	cmake --build $(BUILD) -j $(JOBS)
	bench/startup.sh $(BUILD)
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/dunok_tick_bench 60
	bench/alarm_latency.sh $(BUILD)

# The Debian package of the release build, in $(BUILD)/.
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf build
