#!/usr/bin/env bash
# Sets up, builds and runs every test of Virelune: a format check, a warnings-as-errors build
# with the whole suite, then a clang build with AddressSanitizer + UndefinedBehaviorSanitizer
# that runs the suite again together with the fuzzers.
# VIRELUNE_QUICK=1 skips the sanitizer build and the fuzzers.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/packages.sh
ensure_packages "${VIRELUNE_PACKAGES[@]}" "${VIRELUNE_TEST_PACKAGES[@]}"

jobs=$(nproc)

echo "== format check"
mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find . \( -name '*.cpp' -o -name '*.h' \) -not -path './build*')
if ((${#sources[@]})); then
  clang-format --dry-run --Werror "${sources[@]}"
fi

echo "== build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIRELUNE_WERROR=ON >/dev/null
cmake --build build -j "$jobs"

ctest --test-dir build --output-on-failure -j "$jobs"
[ "${VIRELUNE_QUICK:-0}" = 1 ] && exit 0

echo "== sanitizer build (clang, ASan + UBSan) with the fuzzers"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DVIRELUNE_WERROR=ON -DVIRELUNE_SANITIZE=ON -DVIRELUNE_FUZZ=ON >/dev/null
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"
