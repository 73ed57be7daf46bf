#!/usr/bin/env bash
# Lists the symbols a shared library exports and fails on every one the interface list does not
# name (see exported-interface.txt for the rule).
#   check-exports.sh LIBRARY INTERFACE-LIST
set -euo pipefail
library=$1
list=$2

declare -A classes functions
while read -r kind name; do
    case "$kind" in
        class) classes[$name]=1 ;;
        function) functions[$name]=1 ;;
    esac
done <"$list"

expected() {
    local name=$1
    # Virtual tables and type information belong to their class.
    name=${name#vtable for }
    name=${name#typeinfo name for }
    name=${name#typeinfo for }
    case "$name" in
        photoquant::detail::*) return 1 ;;
        photoquant::*) return 0 ;;
    esac
    local word=${name%%[^A-Za-z0-9_]*}
    local rest=${name#"$word"}
    case "$rest" in
        "" | "::"* | "<"*) [ -n "${classes[$word]:-}" ] ;;
        "("* | "[abi:"*) [ -n "${functions[$word]:-}" ] ;;
        *) return 1 ;;
    esac
}

count=0
unexpected=0
while IFS= read -r symbol; do
    count=$((count + 1))
    if ! expected "$symbol"; then
        echo "unexpected exported symbol: $symbol"
        unexpected=$((unexpected + 1))
    fi
done < <(nm -DCj --defined-only "$library")

if [ "$count" -eq 0 ]; then
    echo "no exported symbols found in $library"
    exit 1
fi
echo "$count exported symbols, $unexpected unexpected"
[ "$unexpected" -eq 0 ]
