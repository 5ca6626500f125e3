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

# A Linux path as Wine's Z: drive names it.
windows_path() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
