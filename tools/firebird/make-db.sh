#!/bin/bash
# Builds a Velmorn company database on the running server from SQL fixtures:
#   make-db.sh [--charset NAME] DATABASE_PATH [DATA.sql ...]
# The default character set is ISO8859_1 unless NAME (UTF8, say) is given. The tables
# come from sql/schema.sql; the data files (UTF-8) follow in order. The
# database is created over TCP, so its file belongs to the firebird user; its folder
# is created writable for that user. An existing file at the path is replaced.
set -eu

charset=ISO8859_1
if [ "${1:-}" = --charset ] && [ $# -ge 2 ]; then
    charset=$2
    shift 2
fi
if [ $# -lt 1 ]; then
    echo "usage: $0 [--charset NAME] DATABASE_PATH [DATA.sql ...]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
database=$1
shift
folder=$(dirname "$database")

mkdir -p "$folder"
chmod 777 "$folder"
rm -f "$database"

script=$(mktemp)
trap 'rm -f "$script"' EXIT
{
    echo "SET SQL DIALECT 3;"
    echo "SET NAMES UTF8;"
    echo "CREATE DATABASE 'localhost:$database' USER 'SYSDBA' PASSWORD 'tovalquin'"
    echo "    PAGE_SIZE 8192 DEFAULT CHARACTER SET $charset;"
    cat "$here/sql/schema.sql"
    for data in "$@"; do
        cat "$data"
    done
    echo "COMMIT;"
} >"$script"
isql-fb -q -bail -i "$script"
