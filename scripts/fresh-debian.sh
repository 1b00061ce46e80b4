#!/usr/bin/env bash
# Runs every command of the README on a freshly bootstrapped Debian 12, as a new user would:
# a minimal root (debootstrap minbase with git, ca-certificates and sudo), a user "learner"
# who may use sudo, a clone of this repository's main branch, and each command as written,
# in a fresh login shell of its own. The program's window shows on an Xvfb display of the
# machine this runs on (a desktop's X server, as the learner's session would have); the
# checks between the commands look at it from outside with xdotool.
#
#   sudo scripts/fresh-debian.sh [--ci] [--keep] [--root DIR] [--report FILE]
#
# Needs root, debootstrap, Xvfb and xdotool on this machine, and Debian's mirror. Writes a
# Markdown report (date, each command, its time and exit status) to FILE, docs/fresh-machine.md
# by default, and fails when any command or check fails. --keep leaves the root in place.
# --ci runs .ci/run there instead, as root, as CI does on a fresh machine.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
root=/tmp/tikara-fresh-debian
report=$repo/docs/fresh-machine.md
keep=0
ci=0
while [ $# -gt 0 ]; do
  case $1 in
    --ci) ci=1; shift ;;
    --keep) keep=1; shift ;;
    --root) root=$2; shift 2 ;;
    --report) report=$2; shift 2 ;;
    *) echo "usage: $0 [--ci] [--keep] [--root DIR] [--report FILE]" >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot need it)" >&2; exit 1; }
for tool in debootstrap Xvfb xdotool; do
  command -v $tool >/dev/null || { echo "needs $tool on this machine" >&2; exit 1; }
done

readonly title_pattern="^Tikara v\\.2\\.1 \\(ZVO\\)$"
readonly mirror=http://deb.debian.org/debian
readonly home=/home/learner
log_dir=$(mktemp -d --tmpdir tikara-fresh.XXXXXX)
rows=()
failures=0
xvfb_pid=""

unmount_all() {
  local m
  for m in dev/shm dev/pts dev sys proc; do
    mountpoint -q "$root/$m" && umount -l "$root/$m"
  done
  return 0
}
# Never removes a tree that still has this machine's /dev or /proc mounted inside it.
remove_root() {
  [ -d "$root" ] || return 0
  unmount_all
  if findmnt -rn -o TARGET | grep -q "^$root/"; then
    echo "$root still has mounts inside; not removed" >&2
    return 1
  fi
  rm -rf "$root"
}
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  unmount_all
  [ "$keep" = 1 ] || remove_root
}
trap cleanup EXIT

# A command in the learner's fresh login shell, from the clone's folder; stdin answers yes.
# In the CI mode the commands run as root, as on a CI machine.
as_learner() {
  local user=learner
  [ "$ci" = 0 ] || user=root
  chroot "$root" su - $user -c "cd $home/tikara && $1" < <(yes)
}

record() { # name, command, seconds, exit status, note
  rows+=("| $1 | \`$2\` | $3 | $4 | $5 |")
  [ "$4" = 0 ] || failures=$((failures + 1))
  printf '%-28s exit %s after %s s  %s\n' "$1" "$4" "$3" "$5"
}

# Runs a README command as written; its output goes to a log of its own.
step() { # name, command, [check command and its note]
  local name=$1 command=$2 started status=0 note=""
  started=$(date +%s)
  as_learner "$command" >"$log_dir/$name.log" 2>&1 || status=$?
  local seconds=$(($(date +%s) - started))
  if [ $status -eq 0 ] && [ $# -ge 4 ]; then
    if "$3"; then note=$4; else note="FAILED: $4"; status=1; fi
  fi
  # ctest's summary, where the command ran tests.
  local summary
  summary=$(grep -ho '[0-9]*% tests passed, [0-9]* tests failed out of [0-9]*' "$log_dir/$name.log" | paste -sd ';' - | sed 's/;/; /g' || true)
  [ -z "$summary" ] || note="${note:+$note; }$summary"
  [ $status -eq 0 ] || tail -30 "$log_dir/$name.log"
  record "$name" "$command" "$seconds" "$status" "$note"
}

window_id() { DISPLAY=$display xdotool search --onlyvisible --name "$title_pattern" 2>/dev/null | head -1; }

# The program's window comes up while the command runs; STOP then ends it. Sets $shown_after.
window_then_stop() { # pid of the running command, seconds it started at
  local deadline=$((SECONDS + 3600)) window=""
  until window=$(window_id) && [ -n "$window" ]; do
    kill -0 "$1" 2>/dev/null || return 1
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
  shown_after=$(($(date +%s) - $2))
  eval "$(DISPLAY=$display xdotool getwindowgeometry --shell "$window")"
  DISPLAY=$display xdotool mousemove $((X + 54)) $((Y + 116)) click 1
}

# A command that builds or installs and then starts the program, which stays until STOP.
start_step() { # name, command, check, its note
  local name=$1 command=$2 started status=0 note
  started=$(date +%s)
  as_learner "$command" >"$log_dir/$name.log" 2>&1 &
  local pid=$!
  shown_after=""
  window_then_stop $pid "$started" || true
  wait $pid || status=$?
  local seconds=$(($(date +%s) - started))
  if [ -z "$shown_after" ]; then
    note="FAILED: no window"; status=1
  else
    note="window after $shown_after s, ended by STOP"
    if [ $# -ge 3 ] && ! "$3"; then note="$note; FAILED: $4"; status=1
    elif [ $# -ge 3 ]; then note="$note; $4"; fi
  fi
  [ $status -eq 0 ] || tail -30 "$log_dir/$name.log"
  record "$name" "$command" "$seconds" "$status" "$note"
}

# Checks between the commands.
no_tests_built() { ! ls "$root$home/tikara/build/tests/tst_"* >/dev/null 2>&1; }
storm_reported() { grep -q 'seed 1: 20000 events' "$log_dir/storm.log"; }
storm_steered() { grep -q 'seed 7: 300 events' "$log_dir/storm-steered.log" && ! grep -q 'seed 1:' "$log_dir/storm-steered.log"; }
package_files() { chroot "$root" dpkg-query -L tikara | while read -r f; do [ -f "$root$f" ] && echo "$f"; done; }
installed_program() { [ -x "$root/usr/bin/tikara" ] && package_files >"$log_dir/package-files.txt"; }
nothing_left() {
  ! chroot "$root" dpkg-query -W -f='${Status}' tikara 2>/dev/null | grep -q "install ok installed" || return 1
  while read -r f; do [ ! -e "$root$f" ] || return 1; done <"$log_dir/package-files.txt"
}
manifest=$home/tikara/build-release/install_manifest.txt
cmake_installed() { [ -x "$root/usr/local/bin/tikara" ] && cp "$root$manifest" "$log_dir/manifest.txt"; }
cmake_uninstalled() { while read -r f; do [ ! -e "$root$f" ] || return 1; done <"$log_dir/manifest.txt"; }
benchmark_report() { grep -q 'start-up' "$log_dir/benchmark.log"; }
windows_zip() { [ -s "$root$home/tikara/build-windows/tikara-2.1-windows-x64.zip" ]; }
web_zip() { [ -s "$root$home/tikara/build-web/tikara-2.1-web.zip" ]; }
web_benchmark() { grep -q 'within every limit' "$log_dir/web benchmark.log"; }

# The README's commands, in its order.
readme_commands() {
  start_step "build and start" \
    "scripts/install-deps.sh && cmake --preset default && cmake --build --preset app && ./build/tikara" \
    no_tests_built "no test was built"
  step "test" "scripts/install-deps.sh --tests && cmake --workflow --preset default"
  step "storm" "ctest --test-dir build -R storm -V" storm_reported "seeds and counts printed"
  step "storm-steered" "TIKARA_STORM_SEEDS=7,8 TIKARA_STORM_EVENTS=300 ctest --test-dir build -R storm -V" \
    storm_steered "the given seeds and count ran"
  step "end-to-end" "ctest --test-dir build -L x11"
  step "sanitizers" "scripts/install-deps.sh --tests && cmake --workflow --preset asan"
  step "tidy" "scripts/tidy.sh"
  step "install" "scripts/install-deps.sh --package && cmake --workflow --preset release && sudo apt install ./build-release/tikara_2.1_amd64.deb" \
    installed_program "/usr/bin/tikara installed"
  start_step "start installed" "cd / && /usr/bin/tikara"
  step "remove" "sudo apt remove tikara" nothing_left "none of its files left"
  step "package check" "scripts/check-package.sh"
  step "cmake install" "sudo cmake --install build-release" cmake_installed "/usr/local/bin/tikara installed"
  step "cmake uninstall" "sudo cmake --build build-release --target uninstall" cmake_uninstalled "none of its files left"
  step "benchmark" "scripts/install-deps.sh --tests && bench/run.sh" benchmark_report "figures printed"
  step "windows" "scripts/build-windows.sh" windows_zip "the zip packed"
  step "web" "scripts/build-web.sh" web_zip "the zip packed"
  step "web benchmark" "bench/web.sh" web_benchmark "within every limit"
}

echo "== bootstrapping Debian 12 in $root (logs in $log_dir)"
remove_root
debootstrap --variant=minbase --include=git,ca-certificates,sudo bookworm "$root" "$mirror" \
  >"$log_dir/debootstrap.log" 2>&1 || { tail -20 "$log_dir/debootstrap.log"; exit 1; }
mount --bind /proc "$root/proc"
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind /dev/shm "$root/dev/shm"
cp /etc/resolv.conf "$root/etc/resolv.conf"
# The machine's own certificate authorities (a proxy's, say): the root reaches the package
# registries through the same network as the machine, npm's over HTTPS.
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
  chroot "$root" update-ca-certificates >/dev/null 2>&1
  echo "export NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt" >"$root/etc/profile.d/machine-ca.sh"
fi

# A display for the window: the server's socket is in the abstract namespace, which a chroot shares.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$log_dir/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$log_dir/display" ] && break; sleep 0.1; done
display=:$(head -1 "$log_dir/display")

chroot "$root" useradd --create-home --shell /bin/bash learner
echo "learner ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/learner"
echo "export DISPLAY=$display" >>"$root$home/.profile"
git clone --quiet --branch main "$repo" "$root$home/tikara"
commit=$(git -C "$root$home/tikara" log -1 --format='%h')
[ "$ci" = 1 ] || chroot "$root" chown -R learner:learner "$home/tikara"

if [ "$ci" = 1 ]; then
  step "ci" ".ci/run"
else
  readme_commands
fi

{
  if [ "$ci" = 1 ]; then
    echo "# CI on a fresh Debian 12"
    echo
    echo "Made by \`sudo scripts/fresh-debian.sh --ci\` on $(date -u '+%Y-%m-%d %H:%M UTC'): Debian $(cat "$root/etc/debian_version")"
    echo "bootstrapped with \`debootstrap --variant=minbase --include=git,ca-certificates,sudo bookworm\`,"
    echo "a clone of \`main\` at $commit, and \`.ci/run\` in it as root, as on a fresh CI machine."
  else
    echo "# The README's commands on a fresh Debian 12"
    echo
    echo "Made by \`sudo scripts/fresh-debian.sh\` on $(date -u '+%Y-%m-%d %H:%M UTC'): Debian $(cat "$root/etc/debian_version")"
    echo "bootstrapped with \`debootstrap --variant=minbase --include=git,ca-certificates,sudo bookworm\`,"
    echo "a user \`learner\` with sudo, a clone of \`main\` at $commit, each command as the README"
    echo "writes it in a fresh login shell of the learner's, one after the other. The window showed on"
    echo "an Xvfb display of the host; STOP ended it."
  fi
  echo "Times are wall-clock seconds on a machine with $(nproc) cores."
  echo
  echo "| step | command | seconds | exit | checked |"
  echo "|---|---|---|---|---|"
  printf '%s\n' "${rows[@]}"
} >"$report"
echo "== $failures failed; report in $report"
[ "$failures" -eq 0 ]
