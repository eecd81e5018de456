# Shared helpers for the project's scripts (sourced, not run).

root_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# Debian packages the build and the test suites need.
required_packages=(
  cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64
  locales libcanberra-dev
  clang libclang-rt-14-dev clang-tidy cppcheck valgrind
)

# Installs whatever of the given packages is missing (only when run as root;
# otherwise says what is missing and goes on).
ensure_packages() {
  local missing=()
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages (run as root to install): ${missing[*]}" >&2
    return 0
  fi
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Starts Wine's background services detached from our output, so that ctest's
# pipes are not held open by them (see the Windows notes in the README).
start_wine() {
  export WINEDEBUG=-all
  export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
  (wineserver -p </dev/null >/dev/null 2>&1 &)
  wine wineboot </dev/null >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
}

# Configures (once) and builds a Windows x86_64 tree in $1.
build_windows() {
  local dir=$1
  if [ ! -f "$dir/build.ninja" ]; then
    mkdir -p "$dir"
    cmake -S "$root_dir" -B "$dir" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$root_dir/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$dir/configure.log" 2>&1 ||
      { cat "$dir/configure.log"; return 1; }
  fi
  cmake --build "$dir" -j"$jobs"
}
