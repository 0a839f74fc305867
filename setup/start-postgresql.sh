#!/usr/bin/env bash
# Starts a throw-away PostgreSQL server for the tests, as the unprivileged
# postgres user, on loopback in a temporary folder. Prints the URL of its test
# catalog. Stop it with: setup/stop-postgresql.sh FOLDER
set -euo pipefail
port=${1:-54329}
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
folder=$(mktemp -d /tmp/yingfengda-pg.XXXXXX)
chown postgres "$folder"
as_postgres() { su postgres -s /bin/sh -c "$*"; }
as_postgres "'$bin/initdb' -D '$folder/data' -U yfd -A trust -E UTF8 --locale=C" > "$folder/initdb.log"
as_postgres "'$bin/pg_ctl' -D '$folder/data' -l '$folder/server.log' -w \
  -o \"-c listen_addresses=127.0.0.1 -p $port -k '$folder' -c fsync=off\" start" > /dev/null
as_postgres "'$bin/createdb' -h 127.0.0.1 -p $port -U yfd yingfengda_test"
echo "$folder" > /tmp/yingfengda-pg.folder
echo "postgresql://yfd@127.0.0.1:$port/yingfengda_test"
