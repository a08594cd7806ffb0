#!/bin/sh
# Installs what is needed, builds and installs Ordovan, makes sure a local CUPS
# scheduler runs and has a Velmora queue, and starts the panel.
#
#   sh scripts/run-demo.sh
#
# - Run by an ordinary user, the installation steps go through sudo and the
#   panel runs as that user.
# - Run as root, the panel runs as the unprivileged user "ordovandemo"
#   (created when missing), since the panel refuses to run as root.
# - Without a display (no DISPLAY), the panel runs on a virtual X server
#   (Xvfb), the first queue of its list is chosen, and the script saves a
#   screenshot to build-demo/ordovan-demo.png (or to $ORDOVAN_SCREENSHOT).
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)
PATH=$PATH:/usr/sbin:/sbin
export PATH

if [ "$(id -u)" -eq 0 ]; then
  SUDO=
else
  SUDO=sudo
fi
say() { printf '%s\n' "run-demo: $*"; }
# wait_for MESSAGE COMMAND...: waits up to ten seconds for COMMAND to succeed,
# else says MESSAGE and stops.
wait_for() {
  message=$1
  shift
  tries=0
  until "$@"; do
    tries=$((tries + 1))
    if [ $tries -gt 50 ]; then
      say "$message" >&2
      exit 1
    fi
    sleep 0.2
  done
}

# 1. Packages, build, installation.
sh scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build-demo}
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORDOVAN_BUILD_TESTS=OFF -DORDOVAN_BUILD_BENCH=OFF \
  -DORDOVAN_INSTALL_STANDINS=ON
cmake --build "$BUILD_DIR" -j"$(nproc)"
$SUDO cmake --install "$BUILD_DIR"
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$BUILD_DIR/CMakeCache.txt")
ppddir=$(sed -n 's/^ORDOVAN_PPD_DIR:STRING=//p' "$BUILD_DIR/CMakeCache.txt")
program=$prefix/bin/ordovan
sample_ppd=${ppddir%/}/WR_Wexa_C45_PS.ppd

# 2. A local CUPS scheduler: the system's service where systemd runs,
#    otherwise cupsd started directly (a container, for instance).
scheduler_up() { lpstat -r 2>/dev/null | grep -q "is running"; }
if ! scheduler_up; then
  say "starting the CUPS scheduler"
  if [ -d /run/systemd/system ] && command -v systemctl >/dev/null 2>&1; then
    $SUDO systemctl start cups
  else
    $SUDO cupsd
  fi
  wait_for "the CUPS scheduler does not answer" scheduler_up
fi

# 3. A Velmora queue: kept when one exists, else one from the sample PPD.
queue=Velmora_Wexa_Sample
has_maker_queue() {
  for f in /etc/cups/ppd/*.ppd; do
    [ -e "$f" ] || continue
    if $SUDO grep -q -E '^\*Manufacturer:[[:space:]]*"(Velmora|WR_Wexa)"' "$f"; then
      return 0
    fi
  done
  return 1
}
if has_maker_queue; then
  say "a Velmora queue exists already"
else
  say "adding the queue $queue from $sample_ppd"
  # File devices are often disabled in cupsd and not every backend is
  # installed: the first device URI the scheduler accepts is taken (printing
  # real jobs is not the point of the demo).
  added=
  for uri in file:///dev/null socket://127.0.0.1:9100 ipp://127.0.0.1:9/ipp/print; do
    if $SUDO lpadmin -p "$queue" -E -v "$uri" -P "$sample_ppd" \
         -D "Velmora Wexa sample queue" -L "Ordovan demo" 2>/dev/null; then
      added=$uri
      break
    fi
  done
  if [ -z "$added" ]; then
    say "lpadmin could not add $queue" >&2
    exit 1
  fi
  say "queue $queue added with device $added"
fi

# 4. The panel, as an ordinary user.
if [ "$(id -u)" -eq 0 ]; then
  user=ordovandemo
  if ! getent passwd "$user" >/dev/null; then
    say "creating the demo user $user"
    useradd --create-home --shell /bin/sh "$user"
  fi
  home=$(getent passwd "$user" | cut -d: -f6)
  # setpriv runs the command in its own process (no parent left between).
  as_user() { setpriv --reuid="$user" --regid="$user" --init-groups -- env HOME="$home" USER="$user" LOGNAME="$user" "$@"; }
else
  user=$(id -un)
  as_user() { "$@"; }
fi

if [ -n "${DISPLAY:-}" ]; then
  if [ "$(id -u)" -eq 0 ]; then
    # Hand the display's cookie to the demo user.
    cookie=$(mktemp)
    chmod 644 "$cookie"
    if xauth extract "$cookie" "$DISPLAY" 2>/dev/null && [ -s "$cookie" ]; then
      as_user env XAUTHORITY="$home/.Xauthority" xauth merge "$cookie"
    fi
    rm -f "$cookie"
    say "starting the panel as $user on $DISPLAY"
    as_user env DISPLAY="$DISPLAY" XAUTHORITY="$home/.Xauthority" "$program"
  else
    say "starting the panel on $DISPLAY"
    "$program"
  fi
  exit 0
fi

# No display: a virtual one, a screenshot, then both are stopped again.
shot=${ORDOVAN_SCREENSHOT:-$top/$BUILD_DIR/ordovan-demo.png}
display_number=99
while [ -e "/tmp/.X11-unix/X$display_number" ] || [ -e "/tmp/.X$display_number-lock" ]; do
  display_number=$((display_number + 1))
done
say "no display: starting Xvfb on :$display_number"
Xvfb ":$display_number" -screen 0 1024x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
panel_pid=
runtime=
cleanup() {
  if [ -n "$panel_pid" ]; then
    kill "$panel_pid" 2>/dev/null || true
    wait "$panel_pid" 2>/dev/null || true
  fi
  kill "$xvfb_pid" 2>/dev/null || true
  if [ -n "$runtime" ]; then rm -rf "$runtime"; fi
}
trap cleanup EXIT INT TERM
wait_for "Xvfb did not start" test -e "/tmp/.X11-unix/X$display_number"
runtime=$(mktemp -d)
if [ "$(id -u)" -eq 0 ]; then chown "$user" "$runtime"; fi
chmod 700 "$runtime"
# A simple command in the background, so that $! is the panel itself.
if [ "$(id -u)" -eq 0 ]; then
  setpriv --reuid="$user" --regid="$user" --init-groups -- \
    env HOME="$home" USER="$user" LOGNAME="$user" DISPLAY=":$display_number" XDG_RUNTIME_DIR="$runtime" \
    "$program" &
else
  env DISPLAY=":$display_number" XDG_RUNTIME_DIR="$runtime" "$program" &
fi
panel_pid=$!
sleep "${ORDOVAN_DEMO_WAIT:-6}"
if ! kill -0 "$panel_pid" 2>/dev/null; then
  say "the panel ended early" >&2
  exit 1
fi
# The first queue of the list is clicked, as a user would, so that the
# screenshot shows the tabs its description supports.
window=$(DISPLAY=":$display_number" timeout 10 xdotool search --sync --onlyvisible --name '^Ordovan$' | head -n 1)
if [ -n "$window" ]; then
  DISPLAY=":$display_number" xdotool mousemove --window "$window" 200 55 click 1
  sleep 2
fi
if DISPLAY=":$display_number" xdotool search --onlyvisible --name '^Ordovan - ' >/dev/null; then
  say "queue chosen: the tabs of its description are shown"
else
  say "no queue could be chosen: the screenshot shows the queue list only" >&2
fi
import -display ":$display_number" -window root "$shot"
say "screenshot saved to $shot"
