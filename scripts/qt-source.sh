# Sourced by the scripts that build a static Qt from Debian's source of the same Qt as
# qt6-base-dev: the version, the cache folder and the fetch, checked against SHA-256 sums.
readonly qt_version=6.4.2
readonly qt_debian=6.4.2+dfsg-10
readonly cache_root=/var/cache/tikara
readonly qt_sums="4f14b89a9463a540fd84a6718b8519a2297119b454ef547721015a9e9019ae9e  qt6-base_6.4.2+dfsg.orig.tar.xz
d1a2621b1acb1606db7274ccdb96654564cea04af836c5b86da94e150714d16c  qt6-base_6.4.2+dfsg-10.debian.tar.xz
1b4b5c8610a553d4211fa81e268b1a3b0a6339ae5444fdb7e60d7616da651970  qt6-base_6.4.2+dfsg-10.dsc"

# preset_for NAME [--ci]: the configure preset a build script uses; with --ci the one that
# makes every warning an error, as CI does.
preset_for() {
  case ${2:-} in
    --ci) echo "ci-$1" ;;
    "") echo "$1" ;;
    *) echo "usage: $0 [--ci]" >&2; exit 2 ;;
  esac
}

step() { printf '\n=== %s (%s)\n' "$1" "$(date +%T)"; }

# Makes the cache folder and hands it to the caller, asking sudo for root when needed.
own_cache_root() {
  local as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" mkdir -p "$cache_root"
  "${as_root[@]}" chown "$(id -u):$(id -g)" "$cache_root"
}

# fetch_qt_source WORK: Qt's source unpacked into WORK/qtbase.
fetch_qt_source() {
  local work=$1 apt=$1/apt
  mkdir -p "$apt/lists/partial"
  echo "deb-src http://deb.debian.org/debian bookworm main" >"$apt/sources.list"
  # A private apt configuration: this machine's own sources and lists stay as they are.
  local private=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=/dev/null
                 -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o Debug::NoLocking=1)
  mkdir -p "$apt/cache/archives/partial"
  apt-get "${private[@]}" -qq update
  (cd "$work" && apt-get "${private[@]}" -qq source --download-only "qt6-base=$qt_debian" 2>/dev/null)
  (cd "$work" && sha256sum --quiet -c - <<<"$qt_sums")
  # Unpacking applies Debian's patches, the security fixes among them.
  (cd "$work" && dpkg-source --no-check -x "qt6-base_$qt_debian.dsc" qtbase >/dev/null)
}

# build_static_qt PREFIX CONFIGURE-ARGUMENTS...: configures Debian's Qt source with the
# arguments, builds and installs it into PREFIX, and writes the output of `stamp` beside it.
# Whatever was in PREFIX is removed first; the caller's `prepare_qt_prefix` then fills it with
# what the configuration needs there, and its `prepare_qt_source DIR` may adjust the build files.
build_static_qt() {
  local prefix=$1 work=$1-work
  shift
  rm -rf "$work" "$prefix"
  mkdir -p "$work" "$prefix"
  prepare_qt_prefix
  fetch_qt_source "$work"
  prepare_qt_source "$work/qtbase"
  cmake -S "$work/qtbase" -B "$work/build" -G Ninja -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "$@" >"$work/configure.log" 2>&1 || { tail -40 "$work/configure.log"; exit 1; }
  ninja -C "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || { tail -40 "$work/build.log"; exit 1; }
  ninja -C "$work/build" install >/dev/null
  stamp >"$prefix/tikara-stamp"
  rm -rf "$work"
}

# reuse_or_build_qt PREFIX WHAT CONFIGURE-ARGUMENTS...: a complete build with the same stamp
# is reused; an incomplete or different one is built again.
reuse_or_build_qt() {
  local prefix=$1 what=$2
  shift 2
  step "static Qt $qt_version for $what in $prefix"
  if [ -f "$prefix/tikara-stamp" ] && [ "$(cat "$prefix/tikara-stamp")" = "$(stamp)" ]; then
    echo "complete, reused"
  else
    local started=$SECONDS
    build_static_qt "$prefix" "$@"
    echo "built in $(((SECONDS - started) / 60)) min"
  fi
}
