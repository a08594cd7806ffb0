#!/bin/sh
# Creates the unprivileged test user "ordovantest" (when run as root) and
# makes sure it can reach the build tree and the test sources.
#   testuser-setup.sh <build dir> <test source dir>
set -u
user=ordovantest
PATH=$PATH:/usr/sbin:/sbin
export PATH
# Relative paths are taken from the current directory.
build=$(cd "$1" && pwd) || { echo "testuser-setup: no directory $1" >&2; exit 1; }
tests=$(cd "$2" && pwd) || { echo "testuser-setup: no directory $2" >&2; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "testuser-setup: not root; tests run as $(id -un)"
  exit 0
fi

if ! getent passwd "$user" >/dev/null; then
  useradd --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
          --user-group "$user" || exit 1
fi

can() { setpriv --reuid="$user" --regid="$user" --init-groups -- test "$@"; }

# Search permission on every directory above the trees (a checkout below
# /root, for instance), on the way as written and on the one the links lead
# to, then read access to the trees themselves.
for top in "$build" "$tests" "$(cd "$build" && pwd -P)" "$(cd "$tests" && pwd -P)"; do
  d=$top
  while [ "$d" != "/" ] && [ -n "$d" ]; do
    if ! can -x "$d"; then
      if command -v setfacl >/dev/null 2>&1; then
        setfacl -m "u:$user:x" "$d" || chmod o+x "$d"
      else
        chmod o+x "$d"
      fi
      echo "testuser-setup: gave $user search access to $d"
    fi
    d=$(dirname "$d")
  done
done
# The private CUPS server's own directories and the root-writer setup (its
# password copy is the test user's alone) keep the modes they are given.
cups=$build/tests/cups
rootwriter=$build/tests/rootwriter
for top in "$build" "$tests"; do
  if [ -n "$(find "$top" \( -path "$cups" -o -path "$rootwriter" \) -prune -o ! -perm -o+r -print -quit 2>/dev/null)" ]; then
    find "$top" \( -path "$cups" -o -path "$rootwriter" \) -prune -o -exec chmod o+rX {} +
    echo "testuser-setup: made $top readable for $user"
  fi
done
echo "testuser-setup: user $user ready"
