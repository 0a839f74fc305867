#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test on SQLite and on a
# PostgreSQL server of its own.
set -euo pipefail
cd "$(dirname "$0")/.."
setup/install-deps.sh
server=$(mktemp -d /tmp/yingfengda-pg.XXXXXX)
trap 'setup/stop-postgresql.sh "$server"' EXIT
pg_url=$(setup/start-postgresql.sh "$server")
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DYFD_TEST_POSTGRESQL="$pg_url" > /dev/null
cmake --build build -j "$(nproc)"
ctest --test-dir build --output-on-failure -j "$(nproc)"
