# Shared by the scripts: installs missing Debian packages and builds a preset.
# Sourced, not run.

# The packages that building, running and testing gridcode need; the tests
# run the BASIC programs of gridcode-data in three BASICs.
GRIDCODE_PACKAGES=(g++ cmake ninja-build libspng-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev fonts-ipafont-gothic bwbasic yabasic brandy)

# ensure_packages NAME...: installs those of the packages that are missing, with
# sudo when not root. Does nothing, quickly, when all are there. Without root
# and without a working sudo, it names the missing packages and the line to
# run as root, and fails.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=() why=
  if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
      why="sudo is not installed"
    elif ! sudo -n true 2>/dev/null && { [[ ! -t 0 ]] || ! sudo -v; }; then
      why="sudo may not be used here"
    fi
    if [[ -n $why ]]; then
      cat >&2 <<MESSAGE
These Debian packages are missing: ${missing[*]}
Installing them needs root, and $why. As root, run
  apt-get update && apt-get install --no-install-recommends ${missing[*]}
for instance with su (it asks for root's password):
  su -c 'apt-get update && apt-get install --no-install-recommends ${missing[*]}'
then run this script again.
MESSAGE
      return 1
    fi
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  local log
  log=$(mktemp)
  if "${sudo[@]}" apt-get update -q >"$log" 2>&1 &&
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -q --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  cat "$log" >&2
  rm -f "$log"
  echo "Installing ${missing[*]} failed." >&2
  return 1
}

# build_preset NAME [CMAKE_ARGS...]: configures (when not yet configured, or in
# CI, where warnings are errors) and builds that preset. Quiet unless it fails.
build_preset() {
  local preset=$1 configure=false log
  shift
  if [[ ${CI:-} == true ]]; then
    configure=true
    set -- -DGRIDCODE_WERROR=ON "$@"
  elif [[ ! -f $(preset_binary_dir "$preset")/CMakeCache.txt ]]; then
    configure=true
  fi
  echo "Building the $preset preset..."
  log=$(mktemp)
  if { ! $configure || cmake --preset "$preset" "$@"; } >"$log" 2>&1 &&
    cmake --build --preset "$preset" >>"$log" 2>&1; then
    rm -f "$log"
    return 0
  fi
  cat "$log" >&2
  rm -f "$log"
  echo "Building the $preset preset failed." >&2
  return 1
}

preset_binary_dir() {
  case $1 in
    default) echo build ;;
    *) echo "build-$1" ;;
  esac
}
