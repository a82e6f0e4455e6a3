#!/bin/bash
# Starts and stops a private cupsd that leaves the machine's own CUPS alone.
#
#   cups-private.sh start ROOT [options]   make ROOT's folders, write the
#                                         configuration, start cupsd, wait
#                                         until it answers
#   cups-private.sh stop ROOT              stop the cupsd started in ROOT
#   cups-private.sh env ROOT               print the shell lines that point
#                                         lp, lpadmin, lpstat at it
#
# Options of start:
#   --port N           TCP port on 127.0.0.1 (default: a free one)
#   --filter PATH      the spoolwrap to run (default: the installed one)
#   --ppd-dir DIR      folder of PPDs listed by `lpinfo -m` as Quorvel/<file>
#                      (default: the installed one)
#   --no-system-filters  offer spoolwrap alone, none of CUPS's own filters
#                      (a machine without cups-filters)
#
# Everything lives below ROOT: etc/ (ServerRoot), spool/ (RequestRoot and
# spool/tmp, the filters' TMPDIR), cache/, run/ (state and the domain socket
# run/cups.sock), log/, serverbin/ (daemon/, backend/, filter/) and data/
# (DataDir, whose model/Quorvel holds the PPDs). cupsd listens on the domain
# socket and on 127.0.0.1 only, lets anyone who reaches it administer it, and
# accepts file: devices.
#
# Run as root, cupsd runs filters and backends as the user "lp" (it refuses
# "User root"), so the folders above ROOT must be searchable by others (the
# script checks, and opens ROOT itself), and so must the filter's and the
# PPDs' folders.
# cupsd also refuses filters and folders that group or others may write.
set -euo pipefail

die() { echo "cups-private.sh: $*" >&2; exit 1; }

system_dir()
{
    # $1: cups-config flag, $2: fallback
    local dir
    dir=$(cups-config "$1" 2>/dev/null || true)
    [ -n "$dir" ] && [ -d "$dir" ] && echo "$dir" || echo "$2"
}

find_cupsd()
{
    local candidate
    for candidate in "$(command -v cupsd 2>/dev/null || true)" /usr/sbin/cupsd /usr/local/sbin/cupsd; do
        [ -n "$candidate" ] && [ -x "$candidate" ] && { echo "$candidate"; return 0; }
    done
    die "cupsd not found (Debian package cups-daemon)"
}

# A free TCP port on 127.0.0.1: the first one from a pseudo-random start that
# nothing listens on. Bounded to 200 tries.
free_port()
{
    local port tries=0
    port=$(( 20000 + (RANDOM * 7 + $$) % 30000 ))
    while [ $tries -lt 200 ]; do
        if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then
            echo "$port"
            return 0
        fi
        port=$(( port + 1 ))
        tries=$(( tries + 1 ))
    done
    die "no free port found on 127.0.0.1"
}

link_entries()
{
    # $1: source folder, $2: target folder, further: names to leave out.
    # One ln for all entries: starting a process per entry is slow.
    local src=$1 dst=$2 name
    shift 2
    mkdir -p "$dst"
    local entries=("$src"/*)
    [ -e "${entries[0]}" ] || return 0
    ln -sf "${entries[@]}" "$dst/"
    for name in "$@"; do
        [ -L "$dst/$name" ] && rm -f "$dst/$name"
    done
    return 0
}

write_config()
{
    local root=$1 port=$2 user_lines=$3
    cat > "$root/etc/cups-files.conf" <<CONF
# Private cupsd: every folder below $root.
ServerRoot $root/etc
ServerBin $root/serverbin
DataDir $root/data
DocumentRoot $root/data/doc-root
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/run
ServerKeychain $root/etc/ssl
CreateSelfSignedCerts no
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/run/printcap
LogFilePerm 0644
FileDevice Yes
FatalErrors config
# The filter's job-copy marker lives in this ServerRoot, not in /etc/cups.
SetEnv SPOOLWRAP_JOBCOPY_MARKER $root/etc/quorvel/zkjobcopy
$user_lines
CONF
    cat > "$root/etc/cupsd.conf" <<CONF
# Private cupsd: loopback and a domain socket only, no browsing, no web pages,
# no authentication (whoever reaches the socket may administer it).
LogLevel debug
MaxLogSize 0
Listen 127.0.0.1:$port
Listen $root/run/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
PreserveJobHistory Yes
PreserveJobFiles No
MaxJobs 0
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    AuthType None
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    # The socket backend asks no SNMP agent.
    echo "Community" > "$root/etc/snmp.conf"
    # Clients that read client.conf from this ServerRoot talk to this cupsd.
    echo "ServerName $root/run/cups.sock" > "$root/etc/client.conf"
}

cmd_start()
{
    local root=${1:-}
    [ -n "$root" ] || die "usage: $0 start ROOT [options]"
    shift
    local port="" filter="" ppd_dir="" system_filters=1
    while [ $# -gt 0 ]; do
        case $1 in
            --port) port=$2; shift 2 ;;
            --filter) filter=$2; shift 2 ;;
            --ppd-dir) ppd_dir=$2; shift 2 ;;
            --no-system-filters) system_filters=0; shift ;;
            *) die "unknown option $1" ;;
        esac
    done

    local sys_serverbin sys_datadir cupsd
    sys_serverbin=$(system_dir --serverbin /usr/lib/cups)
    sys_datadir=$(system_dir --datadir /usr/share/cups)
    cupsd=$(find_cupsd)
    [ -n "$filter" ] || filter=$sys_serverbin/filter/spoolwrap
    [ -n "$ppd_dir" ] || ppd_dir=$sys_datadir/model/Quorvel
    [ -x "$filter" ] || die "no filter at $filter"
    [ -d "$ppd_dir" ] || die "no PPD folder at $ppd_dir"
    [ -n "$port" ] || port=$(free_port)

    mkdir -p "$root"
    root=$(cd "$root" && pwd -P)
    [ ${#root} -lt 80 ] || die "ROOT path too long for a domain socket: $root"
    if [ -f "$root/cupsd.pid" ] && running "$(cat "$root/cupsd.pid")"; then
        die "a cupsd already runs in $root"
    fi

    umask 022
    mkdir -p "$root"/{etc/ppd,etc/ssl,spool/tmp,cache,run,log,home}
    mkdir -p "$root"/serverbin/{daemon,backend,filter}

    link_entries "$sys_serverbin/daemon" "$root/serverbin/daemon"
    ln -sfn "$sys_serverbin/backend/socket" "$root/serverbin/backend/socket"
    if [ $system_filters -eq 1 ]; then
        link_entries "$sys_serverbin/filter" "$root/serverbin/filter" spoolwrap
    fi
    ln -sfn "$(cd "$(dirname "$filter")" && pwd -P)/$(basename "$filter")" "$root/serverbin/filter/spoolwrap"
    link_entries "$sys_datadir" "$root/data" model
    mkdir -p "$root/data/model"
    ln -sfn "$(cd "$ppd_dir" && pwd -P)" "$root/data/model/Quorvel"

    local user_lines=""
    if [ "$(id -u)" -eq 0 ]; then
        # cupsd refuses to run filters as root; "lp" is the account CUPS
        # uses on Debian. Its path to every file it reads must be open.
        id lp >/dev/null 2>&1 || die "user lp is missing"
        user_lines=$'User lp\nGroup lp\nSystemGroup root'
        chmod 0755 "$root"
        local dir
        dir=$(dirname "$root")
        while [ "$dir" != "/" ]; do
            [ $(( 0$(stat -c %a "$dir") & 1 )) -eq 1 ] \
                || die "user lp cannot reach $root: make $dir searchable (chmod o+x) or pick a ROOT below /tmp"
            dir=$(dirname "$dir")
        done
    else
        user_lines="SystemGroup $(id -gn)"
    fi
    write_config "$root" "$port" "$user_lines"
    echo "$port" > "$root/port"

    "$cupsd" -t -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" >"$root/log/cupsd-check.log" 2>&1 \
        || { cat "$root/log/cupsd-check.log" >&2; die "cupsd rejects the configuration"; }

    # -f: stay in the foreground, so that the pid is cupsd's own.
    "$cupsd" -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" \
        </dev/null >"$root/log/cupsd.out" 2>&1 &
    echo $! > "$root/cupsd.pid"

    local tries=0
    while [ $tries -lt 100 ]; do
        if ! running "$(cat "$root/cupsd.pid")"; then
            cat "$root/log/cupsd.out" "$root/log/error_log" >&2 2>/dev/null || true
            die "cupsd ended at start"
        fi
        if CUPS_SERVERROOT=$root/etc lpstat -h "$root/run/cups.sock" -r >/dev/null 2>&1; then
            echo "cupsd $(cat "$root/cupsd.pid") on $root/run/cups.sock and 127.0.0.1:$port"
            return 0
        fi
        sleep 0.1
        tries=$(( tries + 1 ))
    done
    cmd_stop "$root"
    die "cupsd did not answer within 10 seconds"
}

# True while the process runs; a zombie (ended, not yet reaped by its
# parent) counts as ended.
running()
{
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != "Z" ]
}

cmd_stop()
{
    local root=${1:-}
    [ -n "$root" ] || die "usage: $0 stop ROOT"
    [ -f "$root/cupsd.pid" ] || return 0
    root=$(cd "$root" && pwd -P)
    local pid tries=0
    pid=$(cat "$root/cupsd.pid")
    # Only our own cupsd: the pid must still be a cupsd using this ROOT.
    if running "$pid" && tr '\0' ' ' < "/proc/$pid/cmdline" 2>/dev/null | grep -q -- "$root/etc/cupsd.conf"; then
        kill -TERM "$pid" 2>/dev/null || true
        while running "$pid" && [ $tries -lt 100 ]; do
            sleep 0.1
            tries=$(( tries + 1 ))
        done
        if running "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
    fi
    rm -f "$root/cupsd.pid"
}

cmd_env()
{
    local root=${1:-}
    [ -n "$root" ] || die "usage: $0 env ROOT"
    root=$(cd "$root" && pwd -P)
    echo "export CUPS_SERVER=$root/run/cups.sock"
    echo "export CUPS_SERVERROOT=$root/etc"
}

case ${1:-} in
    start) shift; cmd_start "$@" ;;
    stop) shift; cmd_stop "$@" ;;
    env) shift; cmd_env "$@" ;;
    *) echo "usage: $0 start|stop|env ROOT [options]" >&2; exit 2 ;;
esac
