# shellcheck shell=bash
# Sourced by the shell tests and scripts. A test whose tool is missing exits with 77, naming it;
# scripts/install-deps.sh test installs every one of them.

require_tool() { # TOOL:DEBIAN_PACKAGE...
    local tool
    for tool in "$@"; do
        if ! command -v "${tool%%:*}" >/dev/null 2>&1; then
            echo "missing tool: ${tool%%:*} is not installed (Debian package ${tool#*:})" >&2
            exit 77
        fi
    done
}

# Every wait has a deadline, never a count of tries nor a fixed sleep: a busy machine is slow.
until_true() { # SECONDS COMMAND...: runs it until it succeeds, or fails once the seconds are spent
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# Sets work to a new temporary folder, removed when the script exits.
make_work_folder() { work=$(mktemp -d) && trap 'rm -rf "$work"' EXIT; }

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

expect_same() { # WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1 is not as expected (- expected, + found):" >&2
        diff -u <(printf '%s\n' "$2") <(printf '%s\n' "$3") | tail -n +3 >&2
        exit 1
    fi
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() { # FILE KEY
    sed -n '/^\[Desktop Entry\]$/,/^\[/p' "$1" | sed -n "s/^$2=//p"
}
