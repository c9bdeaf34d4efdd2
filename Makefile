# make play   set up, build and start the game
# make test   set up, build and run every test (unit, integration, real window)

PLAY_DIR := play
# CI builds with PRESET=ci: the same build, with every warning an error.
PRESET ?= default
PREFIX ?= /usr/local
.PHONY: play play-dir test build setup setup-game check-format sanitize fuzz fuzz-build soak bench bench-peer format clean game installable install deb

FUZZ_SECONDS ?= 120
FUZZ_TARGETS ?= settings scores movie replay
SOAK_SECONDS ?= 600

# Every package of every test; setup-game only what building and running the game needs.
setup:
	@./scripts/setup.sh

setup-game:
	@./scripts/setup.sh game

build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

# The game keeps its settings and scores in the folder it starts in; play/ keeps
# them across rebuilds and is seeded once with the delivered files.
play: game play-dir
	@cd $(PLAY_DIR) && ../build/vexaroo

# Only the game and what it needs: the first window comes before the test suites are built.
game: setup-game
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target vexaroo

play-dir:
	@mkdir -p $(PLAY_DIR)
	@for f in data/*; do [ -e $(PLAY_DIR)/$$(basename $$f) ] || cp $$f $(PLAY_DIR)/; done

test: build fuzz-build
	@ctest --preset $(PRESET)
	@ctest --preset fuzz

# The unit and integration tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: setup
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize
	@LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp ctest --preset sanitize

# libFuzzer targets (clang): the settings reader, the scores read-and-save path, movie
# loading and the replay reader. `make fuzz` runs each of FUZZ_TARGETS for FUZZ_SECONDS; what
# they find new is kept in build-fuzz/corpus/, a crashing input in build-fuzz/fuzz_<name>-crash-*.
fuzz-build: setup
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz

# While AddressSanitizer records the call stack of each allocation, the scores target grows
# about a kilobyte a run (it met the 1 GB limit after 0.66 M runs); without those records its
# memory levels off under the sanitizer's 256 MB quarantine, so a campaign may run any length.
# Every fault is still caught, and running its saved input again
# (build-fuzz/fuzz/fuzz_<name> <input>) reports it with the stacks.
fuzz: fuzz-build
	@for t in $(FUZZ_TARGETS); do \
	  echo "fuzz_$$t for $(FUZZ_SECONDS) s (log: build-fuzz/fuzz_$$t.log)"; \
	  QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp \
	    ASAN_OPTIONS=malloc_context_size=0 \
	    build-fuzz/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=1024 \
	    -print_final_stats=1 -artifact_prefix=$(CURDIR)/build-fuzz/fuzz_$$t- \
	    $(CURDIR)/build-fuzz/corpus/$$t $(CURDIR)/fuzz/corpus/$$t >build-fuzz/fuzz_$$t.log 2>&1; rc=$$?; \
	  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|DONE' build-fuzz/fuzz_$$t.log; \
	  [ $$rc -eq 0 ] || { tail -40 build-fuzz/fuzz_$$t.log; failed="$$failed $$t"; }; \
	done; [ -z "$$failed" ] || { echo "failed:$$failed"; exit 1; }

# The real program played at random for SOAK_SECONDS under Xvfb and jwm, its invariants
# checked as it goes (make test plays two minutes).
soak: build
	@VEXAROO_SOAK_SECONDS=$(SOAK_SECONDS) build/tests/e2e/soak

# Timer rates, CPU, paints and memory of a game in a real window (under a private X server),
# and instructions per handler call; bench-peer measures KDE's kspaceduel the same way.
bench: build
	@./bench/bench.sh game build

bench-peer: setup
	@./bench/bench.sh peer

# What the install rules take (game, launcher, icons, pages), without the test suites.
installable: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target installable

# Installs under PREFIX (and DESTDIR, when set).
install: installable
	@cmake --install build --prefix $(PREFIX)

# build/vexaroo_<version>_amd64.deb
deb: installable
	@cd build && cpack -G DEB

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails on any file that make format would change.
check-format: setup
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	@rm -rf build build-sanitize build-fuzz
