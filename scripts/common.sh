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

# The Wine prefix the tests run in, unless WINEPREFIX names another. The
# project owns it, so it may delete and rebuild it when it is incomplete.
project_wineprefix=${XDG_CACHE_HOME:-$HOME/.cache}/uiutil/wine-prefix

# Whether the prefix finished its first boot. An interrupted first boot leaves
# a prefix whose timestamp says it is up to date while its registry lacks the
# classes registered late in the boot (the shell link among them), and later
# boots never repair it. The registry on disk is only complete once the boot
# that made it has been saved, so this reads the file, not the live server.
wine_prefix_ready() {
  [ -f "$WINEPREFIX/.update-timestamp" ] && [ -f "$WINEPREFIX/user.reg" ] &&
    grep -qiF '{00021401-0000-0000-C000-000000000046}' "$WINEPREFIX/system.reg" 2>/dev/null
}

# Boots the prefix once and waits until Wine has saved its registry.
boot_wine_prefix() {
  wine wineboot </dev/null >/dev/null 2>&1 || true
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# Makes sure the prefix finished booting: boots it, and rebuilds the project's
# own prefix from nothing when a boot does not complete it. A prefix the caller
# named is never deleted; we only say what is wrong with it.
prepare_wine_prefix() {
  wine_prefix_ready && return 0
  mkdir -p "$(dirname "$project_wineprefix")"
  (
    flock 9
    wine_prefix_ready && exit 0
    boot_wine_prefix
    wine_prefix_ready && exit 0
    if [ "$WINEPREFIX" = "$project_wineprefix" ]; then
      echo "Wine prefix $WINEPREFIX is incomplete; building it again"
      rm -rf "$WINEPREFIX"
      boot_wine_prefix
      wine_prefix_ready && exit 0
    fi
    echo "Wine prefix $WINEPREFIX did not finish booting (no shell link class in system.reg)" >&2
    exit 1
  ) 9>"$(dirname "$project_wineprefix")/wine-prefix.lock"
}

# Starts Wine's background services detached from our output, so that ctest's
# pipes are not held open by them (see the Windows notes in the README).
start_wine() {
  export WINEDEBUG=-all
  export WINEPREFIX=${WINEPREFIX:-$project_wineprefix}
  prepare_wine_prefix || return 1
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
