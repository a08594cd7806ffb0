#!/bin/sh
# Runs a test command as the unprivileged test user "ordovantest" when run as
# root (the program refuses root, and lpoptions run by root writes the
# server-wide file); otherwise as the current user.  Either way the command
# gets a fresh temporary HOME, runtime and temp directory, removed afterwards;
# the rest of the environment (QT_QPA_PLATFORM, CUPS_SERVER, ...) is kept.
#   run-unprivileged.sh <command> [arguments...]
user=ordovantest
home=$(mktemp -d /tmp/ordovan-home.XXXXXX) || exit 1
mkdir -p "$home/runtime" "$home/tmp"
chmod 700 "$home" "$home/runtime"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME XDG_STATE_HOME
export HOME="$home" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home/tmp"

if [ "$(id -u)" -eq 0 ]; then
  if ! getent passwd "$user" >/dev/null; then
    echo "run-unprivileged: test user $user missing (testuser fixture not run?)" >&2
    rm -rf "$home"
    exit 1
  fi
  chown -R "$user:" "$home"
  # Tests of the root road fail rather than skip when the suite runs as root.
  ORDOVAN_TESTS_AS_ROOT=1 USER=$user LOGNAME=$user setpriv --reuid="$user" --regid="$user" --init-groups -- "$@" &
else
  export USER="${USER:-$(id -un)}" LOGNAME="${LOGNAME:-$(id -un)}"
  "$@" &
fi
# A test stopped from outside (a ctest timeout) takes the command with it.
child=$!
trap 'kill -TERM $child 2>/dev/null' TERM INT HUP
wait $child
rc=$?
while kill -0 $child 2>/dev/null; do
  wait $child
  rc=$?
done
rm -rf "$home"
exit $rc
