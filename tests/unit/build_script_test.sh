#!/usr/bin/env bash
# scripts/build.sh hands its configure options to CMake whenever it is given
# them, not only when it configures a build folder for the first time.  The
# script runs in a scratch tree, with a stand-in for cmake that records how
# it was called and an empty package step.
set -euo pipefail
script="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/scripts" "$work/bin" "$work/build"
cp "$script" "$work/tree/scripts/build.sh"
printf '#!/usr/bin/env bash\n' > "$work/tree/scripts/install-packages.sh"
cat > "$work/bin/cmake" <<'EOF'
#!/usr/bin/env bash
echo "$*" >> "$CMAKE_LOG"
# A configure leaves its build file behind, as the real one does.
if [ "$1" = -S ]; then touch "$4/build.ninja"; fi
EOF
chmod +x "$work/bin/cmake"
export CMAKE_LOG="$work/log" PATH="$work/bin:$PATH" BUILD_DIR="$work/build"

passed=0
failed=0
run() {
  : > "$CMAKE_LOG"
  bash "$work/tree/scripts/build.sh" "$@"
}
check() {
  local what="$1"
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what; cmake was called as:"
    cat "$CMAKE_LOG"
  fi
}
configured() { grep -q -- '^-S ' "$CMAKE_LOG"; }
built() { grep -q -- '^--build ' "$CMAKE_LOG"; }
configuredWith() { grep -q -- "^-S .* $1\$" "$CMAKE_LOG"; }

run
check "a new build folder is configured" configured
check "a new build folder is built" built
run
check "a plain rebuild does not configure again" eval '! configured'
check "a plain rebuild builds" built
run -DLUMO_PLAYER_ENDPOINT=http://player.example
check "an option given later is applied" configuredWith -DLUMO_PLAYER_ENDPOINT=http://player.example
check "and the folder is built" built
run -DLUMO_TEST_PORT=30000 -DLUMO_LYRICS_ENDPOINT=http://lyrics.example
check "every option given is applied" configuredWith "-DLUMO_TEST_PORT=30000 -DLUMO_LYRICS_ENDPOINT=http://lyrics.example"

echo "build.sh: $passed passed, $failed failed"
[ "$failed" = 0 ]
