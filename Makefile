# Entry points for newcomers and CI. Every target installs what it needs first.
BUILD       ?= build
SAN_BUILD   ?= build-sanitize
JOBS        ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build test test-plain test-sanitize bench format

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The test command: a normal build and a second one under AddressSanitizer and
# UndefinedBehaviorSanitizer, each running every test.
test: test-plain test-sanitize

test-plain: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DMIRAVEL_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SAN_BUILD) -j $(JOBS)
	ctest --test-dir $(SAN_BUILD) --output-on-failure -j $(JOBS)

# Benchmarks are built and run on demand only.
bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@for b in $(BUILD)/bench/bench_*; do \
		if [ -f "$$b" ] && [ -x "$$b" ]; then echo "== $$b"; "$$b" || exit 1; fi; done

# Starts the diary in run/, a working directory holding the shipped data
# (files already there are kept). Builds the program, the prayer-time library
# it links and the shipped data; the tests are left to make test.
.PHONY: run
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target miravel shipped_data
	scripts/prepare-workdir run $(BUILD)/shipped
	cd run && "$(abspath $(BUILD))/diary/miravel"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Starts the alarm from run-vidur/. The alarm keeps sched.dat and its sounds
# in its own program folder ($(BUILD)/vidur), where it also looks for the
# place list of its Configure dialog: a link to the diary's run/kestrun32.dat,
# so both programs share one place list. The shipped sounds go there too,
# where the user has none of that name.
.PHONY: run-vidur
run-vidur: configure
	cmake --build $(BUILD) -j $(JOBS) --target vidur shipped_data
	scripts/prepare-workdir run $(BUILD)/shipped
	scripts/prepare-workdir run-vidur $(BUILD)/shipped
	scripts/prepare-workdir $(BUILD)/vidur $(BUILD)/shipped/vidur
	scripts/share-place-list run $(BUILD)/vidur
	cd run-vidur && "$(abspath $(BUILD))/vidur/vidur"
