#!/bin/sh
# SPDX-License-Identifier: MIT
# A throwaway PostgreSQL server for the tests, on this machine only: a cluster
# in DIR, listening on a Unix socket in DIR and nowhere else, trusting local
# connections (nothing leaves the machine, and the cluster is removed at stop).
#   pg-test-server.sh start DIR   prints the connection URL's host part (DIR)
#   pg-test-server.sh stop DIR
# As root the server runs as the "postgres" user (initdb refuses root). fsync
# is off: the cluster is thrown away after the tests (the benches start theirs
# with the server's defaults).
set -e
command="$1"
dir="$2"
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|stop DIR" >&2; exit 2; }
bindir=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ ! -x "$bindir/initdb" ]; then
    # Outside CI the server's tests skip with this message; CI
    # (COLORCARD_REQUIRE_SERVER=1) fails instead.
    echo "no PostgreSQL server binaries (apt-get install postgresql): the server tests skip" >&2
    [ -z "$COLORCARD_REQUIRE_SERVER" ] && [ "$command" != stop ] && exit 0
    [ "$command" = stop ] && { rm -rf "$dir"; exit 0; }
    exit 3
fi
as_owner() {
    if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}
port=5432
case "$command" in
start)
    rm -rf "$dir"
    mkdir -p "$dir"
    [ "$(id -u)" = 0 ] && chown postgres "$dir"
    as_owner "$bindir/initdb" -D "$dir/data" -U postgres --auth=trust -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
        { cat "$dir/initdb.log" >&2; exit 1; }
    as_owner "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
        -o "-c listen_addresses='' -c unix_socket_directories='$dir' -p $port -c fsync=off" start >/dev/null ||
        { cat "$dir/server.log" >&2; exit 1; }
    echo "$dir"
    ;;
stop)
    if [ -d "$dir/data" ]; then
        as_owner "$bindir/pg_ctl" -D "$dir/data" -m fast -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR" >&2
    exit 2
    ;;
esac
