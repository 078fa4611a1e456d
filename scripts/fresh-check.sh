#!/usr/bin/env bash
# Runs the README's commands as a new user would: in a minimal Debian 12 root made
# with debootstrap, from a clean clone of the current commit, in a bare environment
# (no locale, no TMPDIR), as root. Each command must pass and leave nothing in the
# root's /tmp. At the end everything is unmounted and the root removed (FRESH_KEEP=1
# keeps it, unmounted, for a look). Needs root, debootstrap and the network; a run of
# both commands takes the better part of an hour on two cores.
#
#   scripts/fresh-check.sh [test|main]...      default: test main
#
#   FRESH_DIR     where the root is made (default /var/tmp; it needs about 5 GB)
#   FRESH_MIRROR  the Debian mirror (default http://deb.debian.org/debian)
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
commands=("$@")
[ ${#commands[@]} -gt 0 ] || commands=(test main)
for command in "${commands[@]}"; do
  case "$command" in
    test | main) ;;
    *) echo "usage: $0 [test|main]..." >&2; exit 2 ;;
  esac
done
[ "$(id -u)" -eq 0 ] || { echo "fresh-check: run as root (debootstrap, chroot, mounts)" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "fresh-check: needs debootstrap (apt-get install debootstrap)" >&2; exit 2; }

commit=$(git -C "$repo" rev-parse HEAD)
if ! git -C "$repo" diff --quiet HEAD; then
  echo "fresh-check: uncommitted changes are not part of the check"
fi

work=$(mktemp -d "${FRESH_DIR:-/var/tmp}/plyk-fresh.XXXXXX")
root="$work/root"
mounted=()

cleanup() {
  local status=$? pid i alive
  trap - EXIT INT TERM
  set +e
  # What still runs inside the root (a Wine server, a display) would hold the mounts.
  for pid in /proc/[0-9]*; do
    [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && kill -9 "${pid#/proc/}" 2>/dev/null
  done
  for ((i = 0; i < 50; i++)); do
    alive=no
    for pid in /proc/[0-9]*; do
      [ "$(readlink "$pid/root" 2>/dev/null)" = "$root" ] && alive=yes
    done
    [ "$alive" = no ] && break
    sleep 0.2
  done
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
  done
  if grep -q " $root/" /proc/mounts; then
    echo "fresh-check: still mounted below $root; not removed" >&2
    exit 1
  fi
  if [ -n "${FRESH_KEEP:-}" ]; then
    echo "fresh-check: root kept in $root"
  else
    # --one-file-system: never into anything still mounted below it.
    rm -rf --one-file-system "$work"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

echo "== debootstrap (minbase bookworm) in $root"
SECONDS=0
if ! debootstrap --variant=minbase bookworm "$root" "${FRESH_MIRROR:-http://deb.debian.org/debian}" \
  >"$work/debootstrap.log" 2>&1; then
  tail -n 20 "$work/debootstrap.log" >&2
  exit 1
fi
echo "   ${SECONDS}s"

mount -t proc proc "$root/proc"
mounted+=("$root/proc")
for dir in /sys /dev; do
  mount --rbind "$dir" "$root$dir"
  mounted+=("$root$dir")
  # Nothing mounted in the root may show up on this machine.
  mount --make-rslave "$root$dir"
done

status=0
for command in "${commands[@]}"; do
  rm -rf "$root/root/plyk"
  git clone -q "$repo" "$root/root/plyk"
  git -C "$root/root/plyk" checkout -q --detach "$commit"
  before=$(ls -A "$root/tmp")
  echo "== scripts/$command.sh (commit ${commit:0:12}), /tmp before: ${before:-nothing}"
  SECONDS=0
  result=passed
  chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    bash -c "cd /root/plyk && bash scripts/$command.sh" || result="failed ($?)"
  after=$(ls -A "$root/tmp")
  echo "== scripts/$command.sh $result in $((SECONDS / 60))m$((SECONDS % 60))s, /tmp after: ${after:-nothing}"
  if [ "$result" != passed ]; then
    status=1
  elif [ "$after" != "$before" ]; then
    echo "fresh-check: scripts/$command.sh left files in /tmp" >&2
    status=1
  fi
done
exit $status
