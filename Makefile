# The two set-up commands of the project: `make run` and `make test`.
# Both install whatever Debian packages are missing before building.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test clean

all: build

deps:
	@scripts/installa-dipendenze.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/app/quintello ]; then $(BUILD)/app/quintello; \
	else echo "La finestra non è ancora costruita: provate $(BUILD)/tools/quintello-script/quintello-script"; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
