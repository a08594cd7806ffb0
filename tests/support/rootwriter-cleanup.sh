#!/bin/sh
# Undoes rootwriter-setup.sh for this build: its sudoers rule, writer,
# configuration files and password copy. The test user's password is locked
# again only when no other build's rule remains.
#   rootwriter-cleanup.sh <state dir> <cups socket>
set -u
state=$1
socket=$2
user=ordovantest
shared=/var/lib/ordovan-test
legacy=/etc/velmora/velPPDWrite_H.conf
PATH=/usr/sbin:/usr/bin:/sbin:/bin
export PATH

rm -f "$state/password"
[ -d "$state" ] && printf '%s\n' "skip: the root-writer setup was undone" > "$state/status"
[ "$(id -u)" -eq 0 ] || exit 0
rm -rf "$state/bin" "$state"/*.conf
key=$(printf '%s' "$state" | cksum | cut -d' ' -f1)
[ -d "$shared" ] || { rm -f "/etc/sudoers.d/ordovan-test-$key"; exit 0; }
(
  flock -w 60 9 || exit 0
  rm -f "/etc/sudoers.d/ordovan-test-$key"
  if grep -qxF "ServerName $socket" "$legacy" 2>/dev/null; then
    rm -f "$legacy"
    rmdir "$(dirname "$legacy")" 2>/dev/null
  fi
  for other in /etc/sudoers.d/ordovan-test*; do
    [ -e "$other" ] && exit 0
  done
  rm -f "$shared/password" "$shared/hash"
  if getent passwd "$user" >/dev/null; then
    usermod -p '!' "$user" 2>/dev/null || passwd -l "$user" >/dev/null 2>&1
  fi
) 9> "$shared/lock"
exit 0
