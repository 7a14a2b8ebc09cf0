# The two set-up commands of the project: `make run` and `make test`.
# Both install whatever Debian packages are missing before building.
BUILD ?= build
SAN_BUILD ?= build-san
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
SANITIZERS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
FUZZ_SECONDS ?= 1800
CTEST := QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
# Qt and the system libraries keep a few allocations for the life of the
# process; the suppressions name them so that only our own leaks fail a run.
SAN_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: scenari righe all deps build build-san build-fuzz run test test-normal test-san test-fuzz fuzz bench soak startup package clean

all: build

deps:
	@scripts/installa-dipendenze.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/quintello

# The whole suite, once as built for users and once under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a short run of the fuzzer over the loader.
test: test-normal test-san test-fuzz

test-normal: build
	cd $(BUILD) && $(CTEST)

$(SAN_BUILD)/build.ninja:
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
		-DCMAKE_CXX_FLAGS="$(SANITIZERS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZERS)" \
		-DQUINTELLO_SANITIZZATO=ON

build-san: deps $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)

test-san: build-san
	cd $(SAN_BUILD) && $(SAN_ENV) $(CTEST)

$(FUZZ_BUILD)/build.ninja:
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DQUINTELLO_FUZZ=ON \
		-DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link $(SANITIZERS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZERS)"

build-fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

test-fuzz: build-fuzz
	cd $(FUZZ_BUILD) && $(CTEST)

# A long fuzzing run: make fuzz FUZZ_SECONDS=3600 [FUZZ_TARGET=formato|statistiche]
FUZZ_TARGET ?= carica
FUZZ_CORPUS = tests/fuzz/corpus$(if $(filter statistiche,$(FUZZ_TARGET)),-statistiche)
fuzz: build-fuzz
	mkdir -p $(FUZZ_BUILD)/corpus-lungo-$(FUZZ_TARGET)
	$(FUZZ_BUILD)/tests/fuzz/fuzz_$(FUZZ_TARGET) -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
		-rss_limit_mb=2048 -max_len=8192 -print_final_stats=1 \
		$(FUZZ_BUILD)/corpus-lungo-$(FUZZ_TARGET) $(FUZZ_CORPUS)

# The scenarios' expected output, written anew from the driver: review the
# change with `git diff tests/scenari` before committing it.
scenari: build
	@for copione in tests/scenari/*.script; do \
		nome=$$(basename $$copione .script); \
		cmake -DAGGIORNA=ON -DDRIVER=$(CURDIR)/$(BUILD)/tools/quintello-script/quintello-script \
			-DCOPIONE=$(CURDIR)/$$copione -DATTESO=$(CURDIR)/tests/scenari/$$nome.atteso \
			-DCARTELLA=$(CURDIR)/$(BUILD)/scenari-aggiornati/$$nome \
			-P tests/scenari/Confronta.cmake || exit 1; \
	done
	@for traccia in tests/scenari/*.arena; do \
		nome=$$(basename $$traccia .arena); \
		cmake -DAGGIORNA=ON -DDRIVER=$(CURDIR)/$(BUILD)/tools/quintello-arena/quintello-arena \
			"-DARGOMENTI=$$(head -n1 $$traccia)" -DATTESO=$(CURDIR)/tests/scenari/$$nome.atteso \
			-DCARTELLA=$(CURDIR)/$(BUILD)/scenari-aggiornati/$$nome -P tests/scenari/Confronta.cmake || exit 1; \
	done

# Lines of the tests against lines of the product.
righe:
	@scripts/conta-righe.sh

# Speed of the logic and of the card painter (never part of the test suite).
bench: build
	$(BUILD)/bench/logica/bench_logica
	@if [ -x $(BUILD)/bench/art/bench_art ]; then $(BUILD)/bench/art/bench_art; fi

# The levels and the other players on duplicate deals: make arena MANI=2000 SEME=5.
# First the ladder, each level against the one below it, then every other
# pairing of the levels, the greedy player, Esperto against itself and the
# fixed player with all house rules on.
MANI ?= 2000
SEME ?= 5
ARENA := $(BUILD)/tools/quintello-arena/quintello-arena
.PHONY: arena arena-regole
arena: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target quintello-arena
	$(ARENA) --mani $(MANI) --seme $(SEME) classico principiante
	$(ARENA) --mani $(MANI) --seme $(SEME) esperto classico
	$(ARENA) --mani $(MANI) --seme $(SEME) campione esperto
	$(ARENA) --mani $(MANI) --seme $(SEME) campione classico
	$(ARENA) --mani $(MANI) --seme $(SEME) campione principiante
	$(ARENA) --mani $(MANI) --seme $(SEME) esperto principiante
	$(ARENA) --mani $(MANI) --seme $(SEME) campione avido
	$(ARENA) --mani $(MANI) --seme $(SEME) esperto avido
	$(ARENA) --mani $(MANI) --seme $(SEME) classico avido
	$(ARENA) --mani $(MANI) --seme $(SEME) principiante avido
	$(ARENA) --mani $(MANI) --seme $(SEME) esperto esperto
	$(ARENA) --mani $(MANI) --seme $(SEME) --regole assopigliatutto,assoscopa,rebello,napola esperto classico
	$(ARENA) --mani $(MANI) --seme $(SEME) --regole assopigliatutto,assoscopa,rebello,napola campione classico

# Esperto against the fixed player under each combination of house rules.
arena-regole: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target quintello-arena
	scripts/arena-regole.sh $(ARENA) $(MANI) $(SEME)

# The long random-play run: make soak HANDS=100000
HANDS ?= 100000
soak: build
	$(BUILD)/bench/logica/soak_partite $(HANDS)

# Start-up time and memory beside a desktop card game users know.
startup: build
	scripts/misura-avvio.sh $(BUILD)/app/quintello

# The Debian package, built with CPack.
package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD)
