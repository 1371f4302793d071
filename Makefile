# Fresh Debian machine: `make run` starts the tool under Wine; `make test` builds every
# configuration and runs every test. Both install what is missing first.
.PHONY: all deps build run test bench dist lint format clean

all: build

deps:
	@tools/install-deps.sh

build: deps
	@tools/build.sh

run: build
	@tools/run.sh

test: build
	@tools/test.sh

bench: build
	@tools/bench.sh

dist: build
	@tools/dist.sh

lint: deps
	@tools/lint.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build dist
