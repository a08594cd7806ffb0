#!/bin/sh
# Stops the private CUPS server started by cupsd-start.sh for <dir>.
#   cupsd-stop.sh <dir>
dir=$1
pidfile=$dir/cupsd.pid
[ -f "$pidfile" ] || exit 0
pid=$(cat "$pidfile")
# Only the server of this directory: its command line names our config.
if [ -n "$pid" ] && [ -r "/proc/$pid/cmdline" ] \
   && tr '\0' ' ' < "/proc/$pid/cmdline" | grep -qF "$dir/etc/cupsd.conf"; then
  kill -TERM "$pid" 2>/dev/null
  i=0
  while kill -0 "$pid" 2>/dev/null && [ $i -lt 50 ]; do
    sleep 0.1
    i=$((i + 1))
  done
  kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
fi
rm -f "$pidfile"
exit 0
