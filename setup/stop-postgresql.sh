#!/usr/bin/env bash
# Stops the test server that start-postgresql.sh started in FOLDER and removes FOLDER.
set -euo pipefail
folder=${1:?usage: stop-postgresql.sh FOLDER}
[ -d "$folder/data" ] || exit 0
bin=$(ls -d /usr/lib/postgresql/*/bin | sort -V | tail -n 1)
su postgres -s /bin/sh -c "'$bin/pg_ctl' -D '$folder/data' -m fast -w stop" > /dev/null || true
rm -rf "$folder"
