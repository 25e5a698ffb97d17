# The two everyday commands: `make run` and `make test`. Each does all the set-up it needs.
BUILD := build
JOBS  ?= 2

.PHONY: setup format-check configure build run test gallery states bench soak clean

setup:
	@bash scripts/setup.sh
	@scripts/wine-prefix

# Every C++ file as the root .clang-format has it; `make test` checks this first.
format-check: setup
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

configure: setup $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@bash scripts/run-app.sh $(BUILD)/mob-editor.exe $(BUILD)/screenshot.png "MC - Mobwright - Veltrane"

gallery: build
	@bash scripts/run-app.sh $(BUILD)/control-gallery.exe $(BUILD)/gallery.png "Control Gallery"

test: format-check build
	cd $(BUILD) && ../scripts/with-display-if-needed ctest --output-on-failure -j 1

# Drives every control family through its states with real input and writes docs/states.png.
states: build
	@MOBWRIGHT_WM=1 scripts/with-display-if-needed scripts/wine-run $(BUILD)/mob-states.exe docs/states.png

bench: build
	@scripts/with-display-if-needed scripts/wine-run $(BUILD)/mob-bench.exe | tee $(BUILD)/bench.txt

# The endurance runs: the soak program, then the life-cycle test at its full thousand
# cycles (`make test` runs a short life of the same test).
soak: build
	@scripts/with-display-if-needed scripts/wine-run $(BUILD)/test_soak.exe
	cd $(BUILD) && MOBWRIGHT_LIFECYCLE_CYCLES=1000 ../scripts/with-display-if-needed ../scripts/wine-run ./test_lifecycle.exe --gtest_color=no

clean:
	rm -rf $(BUILD)
