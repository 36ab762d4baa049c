# Shared by the scripts: installs missing Debian packages, builds a preset,
# fetches a Debian source package, and readies Wine. Sourced, not run.

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

# fetch_debian_source PACKAGE FOLDER: unpacks the source package PACKAGE of
# the system's release (Debian's patches applied) into FOLDER, emptied first.
# It comes from the mirror the system already uses for that release, through a
# sources list of FOLDER's own, so that the system's apt sources stay as they
# are. A mirror may hold the upstream tarball without the Debian parts of the
# package; then that tarball is unpacked instead, its checksum taken from the
# release's signed source index, as apt-get source checks it.
fetch_debian_source() {
  local package=$1 folder codename mirror apt_dir
  folder=$(realpath -m "$2")
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  mirror=$(apt-get indextargets --format '$(SITE) $(RELEASE)' 2>/dev/null |
    awk -v release="$codename" '$2 == release { print $1; exit }')
  mirror=${mirror:-http://deb.debian.org/debian}
  apt_dir=$folder/.apt
  rm -rf "$folder"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.list.d"
  echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] $mirror $codename main" \
    >"$apt_dir/sources.list"
  local apt=(apt-get -q -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
    -o "APT::Sandbox::User=$(id -un)")
  "${apt[@]}" update >"$apt_dir/log" 2>&1 || { cat "$apt_dir/log" >&2; return 1; }
  (cd "$folder" && "${apt[@]}" source "$package") >>"$apt_dir/log" 2>&1 && return 0
  echo "The Debian parts of $package's source are missing on the mirror; using the upstream tarball."
  local uri file hash
  read -r uri file _ hash < <("${apt[@]}" source --print-uris "$package" 2>>"$apt_dir/log" |
    grep "\.orig\.tar\.") || { cat "$apt_dir/log" >&2; return 1; }
  /usr/lib/apt/apt-helper download-file "${uri//\'/}" "$folder/$file" "$hash" \
    >>"$apt_dir/log" 2>&1 || { cat "$apt_dir/log" >&2; return 1; }
  tar -xf "$folder/$file" -C "$folder"
}

# start_wine BUILD_DIR: readies Wine for the programs built in BUILD_DIR: a
# prefix of its own inside it, on a virtual X display of its own (Wine needs
# one even for offscreen programs) whose screen Xvfb keeps in BUILD_DIR/xvfb
# as an XWD file. Every Wine process of that prefix, then the display, are
# stopped when the script exits, whatever happens.
start_wine() {
  local build=$1
  # File names pass between Windows and Linux in the locale's character set:
  # UTF-8, whatever the system is set to, so that Japanese names survive.
  export LC_ALL=C.UTF-8
  export WINEPREFIX=$PWD/$build/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver64)
  trap stop_wine EXIT
  mkdir -p "$WINEPREFIX" "$build/xvfb"
  rm -f "$build/xvfb/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -fbdir "$build/xvfb" -nolisten tcp -nocursor \
    3>"$build/xvfb/display" 2>"$build/xvfb/log" &
  xvfb=$!
  for _ in {1..100}; do [[ -s $build/xvfb/display ]] && break; sleep 0.1; done
  DISPLAY=:$(<"$build/xvfb/display")
  export DISPLAY
  # One server for all the programs, up until stopped (unless one is up
  # already), and Wine's own services started here, not by a program, whose
  # output they would hold open so that ctest waits for them.
  "$wineserver" -p 2>/dev/null || true
  [[ -f $WINEPREFIX/system.reg ]] || echo "Setting up Wine..."
  wineboot --init >/dev/null 2>&1
}
stop_wine() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
