# Shared by the shell tests of the stand-in host under Wine (sourced).
# check NAME COMMAND... counts a passed or failed check by COMMAND's status,
# and returns that status (so that `check ... || explain` explains).

passed=0 failed=0
check() {
    local name=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
        return 1
    fi
}

# Empties the current folder for a test's run, first running COMMAND... if
# given (what must go before, like a mount inside).  Refuses (exit 1) a
# folder that holds anything but has no mark of a test: the build marks the
# folders it makes for these tests (cmake/wine.cmake), and so does this.
test_folder_mark=.made-by-wine-test
empty_test_folder() {
    if [ -n "$(ls -A)" ] && [ ! -f "$test_folder_mark" ]; then
        echo "refusing to empty $PWD: not a folder made for a test" >&2
        exit 1
    fi
    "$@"
    rm -rf ./*
    touch "$test_folder_mark"
}

# A Linux path as Wine's Z: drive names it.
windows_path() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
