#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server for the tests in FOLDER (created if
# needed), as the unprivileged postgres user, on a free loopback port. Prints
# the URL of its test catalog. setup/stop-postgresql.sh FOLDER stops it.
set -euo pipefail
folder=${1:?usage: start-postgresql.sh FOLDER}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
port=54329
while (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; do port=$((port + 1)); done
mkdir -p "$folder"
chown postgres "$folder"
as_postgres() { su postgres -s /bin/sh -c "$*"; }
as_postgres "'$bin/initdb' -D '$folder/data' -U yfd -A trust -E UTF8 --locale=C" > "$folder/initdb.log"
as_postgres "'$bin/pg_ctl' -D '$folder/data' -l '$folder/server.log' -w \
  -o \"-c listen_addresses=127.0.0.1 -p $port -k '$folder' -c fsync=off\" start" > /dev/null
as_postgres "'$bin/createdb' -h 127.0.0.1 -p $port -U yfd yingfengda_test"
echo "postgresql://yfd@127.0.0.1:$port/yingfengda_test"
