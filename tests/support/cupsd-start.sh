#!/bin/sh
# Starts the private CUPS server of the test run and adds the baseline queues.
#
#   cupsd-start.sh <dir> <support dir> <test data dir>
#
# Everything lives below <dir>: the configuration (etc/), spool, cache, state,
# logs and the ServerBin tree.  The server listens only on the local socket
# <dir>/cups.sock (no network port), so it never meets the system's own
# cupsd or its queues.  Any local user may administer it.
set -u
# cupsd, lpadmin and cupsdisable live in sbin, which an ordinary user's PATH
# may lack.
PATH=$PATH:/usr/sbin:/sbin
export PATH
dir=$1
support=$2
data=$3
sock=$dir/cups.sock

if [ ${#sock} -ge 108 ]; then
  echo "cupsd-start: socket path too long for a local socket: $sock" >&2
  exit 1
fi

# A server left behind by an interrupted run: stop it (only if that pid is
# really the server of this directory).
sh "$support/cupsd-stop.sh" "$dir" || true

rm -rf "$dir"
mkdir -p "$dir/etc/ppd" "$dir/spool/tmp" "$dir/cache" "$dir/state" "$dir/log" \
         "$dir/ssl" "$dir/serverbin/filter" "$dir/serverbin/backend"
chmod 755 "$dir" "$dir/etc" "$dir/etc/ppd" "$dir/serverbin" "$dir/serverbin/filter" \
          "$dir/serverbin/backend" "$dir/log"

# ServerBin: the system's helper programs plus the maker-named pass-through
# filters of the test PPDs.
for sub in daemon notifier; do
  [ -d "/usr/lib/cups/$sub" ] && ln -s "/usr/lib/cups/$sub" "$dir/serverbin/$sub"
done
for f in /usr/lib/cups/backend/* /usr/lib/cups/filter/*; do
  [ -e "$f" ] || continue
  case "$f" in
    */backend/*) ln -s "$f" "$dir/serverbin/backend/" ;;
    */filter/*) ln -s "$f" "$dir/serverbin/filter/" ;;
  esac
done
# The scheduler runs "commandtops" for printer commands of PostScript queues;
# without the system's filter packages a silent stand-in takes its place.
if [ ! -e "$dir/serverbin/filter/commandtops" ]; then
  printf '#!/bin/sh\ncat >/dev/null\n' > "$dir/serverbin/filter/commandtops"
  chmod 755 "$dir/serverbin/filter/commandtops"
fi
for name in velfilter_H velfilter_ras_H velfilter_pdf_H velfilter_vpsl_H; do
  # A link to an installed filter of that name goes first: cp would write
  # through it into the system's filter.
  rm -f "$dir/serverbin/filter/$name"
  cp "$support/velfilter" "$dir/serverbin/filter/$name"
  chmod 755 "$dir/serverbin/filter/$name"
done

if [ "$(id -u)" -eq 0 ]; then
  owner="User lp
Group lp"
else
  owner="User $(id -un)
Group $(id -gn)"
fi

cat > "$dir/etc/cups-files.conf" <<CONF
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/serverbin
ServerKeychain $dir/ssl
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
Printcap $dir/printcap
$owner
SystemGroup root
FileDevice Yes
ConfigFilePerm 0644
LogFilePerm 0644
CONF

cat > "$dir/etc/cupsd.conf" <<CONF
LogLevel info
MaxLogSize 0
Listen $sock
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
DefaultEncryption Never
WebInterface No
DefaultPolicy open
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy open>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
chmod 644 "$dir/etc/cupsd.conf" "$dir/etc/cups-files.conf"

CUPS_SERVER=$sock
CUPS_SERVERROOT=$dir/etc
export CUPS_SERVER CUPS_SERVERROOT

# The scheduler runs from a private copy: a security profile that the system
# attaches to /usr/sbin/cupsd would keep it out of these directories.
cupsd_path=$(command -v cupsd) || { echo "cupsd-start: cupsd not installed" >&2; exit 1; }
cp "$cupsd_path" "$dir/cupsd"
chmod 755 "$dir/cupsd"

setsid "$dir/cupsd" -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" \
  </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! > "$dir/cupsd.pid"
pid=$(cat "$dir/cupsd.pid")

# Wait until the server answers on its socket.
tries=0
until lpstat -r 2>/dev/null | grep -q "is running"; do
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "cupsd-start: the test cupsd ended early" >&2
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
    exit 1
  fi
  tries=$((tries + 1))
  if [ $tries -gt 150 ]; then
    echo "cupsd-start: the test cupsd does not answer on $sock" >&2
    cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null
    exit 1
  fi
  sleep 0.2
done
# Let the unprivileged test user reach the socket.
chmod 755 "$dir"

# Baseline queues: one ready, one disabled.  Tests that change a queue add
# their own (see cups_test_util.h).
fail=0
lpadmin -p OrdovanBase -E -v file:///dev/null -P "$data/status-velmora.ppd" || fail=1
lpadmin -p OrdovanPaused -E -v file:///dev/null -P "$data/status-velmora.ppd" || fail=1
cupsdisable OrdovanPaused || fail=1
if [ $fail -ne 0 ]; then
  echo "cupsd-start: adding the baseline queues failed" >&2
  cat "$dir/log/error_log" >&2 2>/dev/null
  exit 1
fi
lpstat -p
echo "cupsd-start: private cupsd $pid on $sock"
