#!/bin/sh
# Undoes rootwriter-setup.sh: the sudoers rule, the writer and its
# configuration (only when they are the test's own) and the test user's
# password.
#   rootwriter-cleanup.sh <state dir>
set -u
state=$1
user=ordovantest
target=/usr/local/sbin/velPPDWrite_H
conf=/etc/velmora/velPPDWrite_H.conf
sudoers=/etc/sudoers.d/ordovan-test

mine=$(cat "$state/socket" 2>/dev/null)
rm -f "$state/password" "$state/password.new" "$state/socket"
[ "$(id -u)" -eq 0 ] || exit 0
# Only the run whose server the configuration names undoes the setup; a run
# that skipped (another one was using the writer) leaves it alone.
if [ -f "$conf" ] && grep -q '^# ordovan test server' "$conf" 2>/dev/null; then
  [ -n "$mine" ] && grep -qxF "ServerName $mine" "$conf" || exit 0
fi
rm -f "$sudoers"
if [ -f "$state/writer.saved" ]; then
  # The writer that was installed before the tests goes back in place.
  install -m 0755 -o root -g root "$state/writer.saved" "$target" && rm -f "$state/writer.saved"
elif [ -f "$target" ] && grep -q "usage: velPPDWrite_H QUEUE KEY=VALUE" "$target" 2>/dev/null; then
  rm -f "$target"
fi
if [ -f "$conf" ] && grep -q '^# ordovan test server' "$conf" 2>/dev/null; then
  rm -f "$conf"
  rmdir "$(dirname "$conf")" 2>/dev/null
fi
if getent passwd "$user" >/dev/null; then
  usermod -p '!' "$user" 2>/dev/null || passwd -l "$user" >/dev/null 2>&1
fi
exit 0
