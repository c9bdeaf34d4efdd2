# make play   set up, build and start the game
# make test   set up, build and run every test (unit, integration, real window)

PLAY_DIR := play
.PHONY: play play-dir test build setup sanitize bench bench-peer format clean

setup:
	@./scripts/setup.sh

build: setup
	@cmake --preset default >/dev/null
	@cmake --build --preset default

# The game keeps its settings and scores in the folder it starts in; play/ keeps
# them across rebuilds and is seeded once with the delivered files.
play: build play-dir
	@cd $(PLAY_DIR) && ../build/vexaroo

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

# Timer rates, CPU, paints and memory of a game in a real window (under a private X server),
# and instructions per handler call; bench-peer measures KDE's kspaceduel the same way.
bench: build
	@./bench/bench.sh game build

bench-peer: setup
	@./bench/bench.sh peer

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	@rm -rf build build-sanitize
