#!/usr/bin/env bash
# Builds everything and runs every test through CTest: the window tests
# headless under a comma and a point locale, the whole suite once more with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets briefly.
# Fails on unformatted code.
set -euo pipefail
cd "$(dirname "$0")"
tools/ensure-deps.sh test
export QT_QPA_PLATFORM=offscreen

echo "== formatting"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null ||
    find app calc ui tests bench tools -name '*.cpp' -o -name '*.h')
clang-format-14 --dry-run --Werror "${sources[@]}"

echo "== build and test"
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure -j2

echo "== release build of the program, as ./run.sh makes it"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKORVEL_BUILD_TESTS=OFF -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_TOOLS=OFF >/dev/null
cmake --build build/release -j2 --target korvelsein

echo "== used from another project with add_subdirectory"
cmake -S tests/consumer -B build/consumer -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/consumer -j2 --target korvel_consumer
build/consumer/korvel_consumer

echo "== sanitizers"
cmake -S . -B build/asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_SANITIZE=ON \
    -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_TOOLS=OFF >/dev/null
cmake --build build/asan -j2
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build/asan --output-on-failure -j2

echo "== fuzz targets"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORVEL_FUZZ=ON \
    -DKORVEL_BUILD_BENCH=OFF -DKORVEL_BUILD_TOOLS=OFF >/dev/null
cmake --build build/fuzz -j2 --target fuzz_parse fuzz_jpeg
ctest --test-dir build/fuzz --output-on-failure -R '^fuzz_'
