# The two commands of the README: `make run` and `make test`. Both install what is missing first.
.PHONY: all deps build run test build-test format fuzz bench mutants deb captures clean

all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset run
	cmake --build --preset run

run: build
	./build/tressola

build-test: deps
	cmake --preset test
	cmake --build --preset test

test: build-test
	ctest --preset test

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

fuzz: deps
	bash scripts/fuzz.sh

bench: deps
	cmake --preset bench
	cmake --build --preset bench
	bash scripts/bench.sh

# Mutation testing, not run in CI: `make mutants ARGS="--only src/logic -j2"` (see the README).
mutants: deps
	python3 scripts/mutants.py $(ARGS)

# The Debian package, in build-deb/; `make deb VERIFIER=--verifier` then lists it and runs lintian.
deb: deps
	bash scripts/paquet.sh $(VERIFIER)

# The README's screenshots, in docs/.
captures: build
	bash scripts/captures.sh

clean:
	rm -rf build build-test build-fuzz build-bench build-mutants build-deb
