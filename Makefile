# make play   set up, build and start the game
# make test   set up, build and run every test (unit, integration, real window)

PLAY_DIR := play
PREFIX ?= /usr/local
.PHONY: play play-dir test build setup sanitize bench format clean game installable install deb

setup:
	@./scripts/setup.sh

build: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default

# The game keeps its settings and scores in the folder it starts in; play/ keeps
# them across rebuilds and is seeded once with the delivered files.
play: game play-dir
	@cd $(PLAY_DIR) && ../build/vexaroo

# Only the game and what it needs: the first window comes before the test suites are built.
game: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target vexaroo

play-dir:
	@mkdir -p $(PLAY_DIR)
	@for f in data/*; do [ -e $(PLAY_DIR)/$$(basename $$f) ] || cp $$f $(PLAY_DIR)/; done

test: build
	@ctest --preset default

# The unit and integration tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp ctest --preset sanitize

# Timer rates and CPU use of a game in a real window (under a private X server).
bench: build play-dir
	@cd $(PLAY_DIR) && xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ../build/game_rates 20

# What the install rules take (game, launcher, icons, pages), without the test suites.
installable: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default --target installable

# Installs under PREFIX (and DESTDIR, when set).
install: installable
	@cmake --install build --prefix $(PREFIX)

# build/vexaroo_<version>_amd64.deb
deb: installable
	@cd build && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-sanitize
