# Shared by the scripts: installs missing Debian packages and builds a preset.
# Sourced, not run.

# The packages that building, running and testing gridcode need.
GRIDCODE_PACKAGES=(g++ cmake ninja-build libspng-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev
  libgtest-dev libgmock-dev fonts-ipafont-gothic)

# ensure_packages NAME...: installs those of the packages that are missing, with
# sudo when not root. Does nothing, quickly, when all are there.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  ((${#missing[@]} == 0)) && return 0
  local sudo=()
  [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
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
