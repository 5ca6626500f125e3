#!/usr/bin/env bash
# Makes the release of the checked-out commit in build/release/:
#   <product>-<version>.zip holding Stats.dll, Stats-Guide.txt (the
#   operator's guide) and SHA256SUMS;
#   <product>-<version>-selftest.zip, the self-test kit for any Windows
#   (cmake/selftest_kit.cmake: Stats.dll, the Windows test programs, the
#   stand-in host and run-tests.cmd);
#   and each zip's own checksum beside it.
# Both are built twice, from two clones of the commit in folders of
# different names, minutes apart; the release is made only if both builds
# give the same bytes, zips included.  Uncommitted changes are not in it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

commit=$(git rev-parse HEAD)
[ -z "$(git status --porcelain)" ] ||
    echo "release: uncommitted changes are left out; releasing commit $commit"
# The zip's member times: the commit's, so a later build makes the same zip.
commit_time=$(git log -1 --format=%ct "$commit")

out=$root/build/release
work=$root/build/release-work
rm -rf "$out" "$work"
mkdir -p "$out" "$work"

# Clones the commit into FOLDER and builds Stats.dll and the self-test kit
# there; the zips and their parts end up in FOLDER/build-win32/release.
build_in() {
    local source=$1 build=$1/build-win32
    git clone -q --no-hardlinks "$root" "$source"
    git -C "$source" checkout -q "$commit"
    cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$source/cmake/mingw-i686.cmake" >/dev/null
    cmake --build "$build" --target Stats selftest_kit -j2
    package "$build"
}

# Stats.dll, the guide and their checksums into <name>.zip, members in a
# fixed order with fixed times and attributes.
package() {
    local release=$1/release name
    name=$(cat "$release/version.txt")
    cp "$1/bin/Stats.dll" "$release/"
    (cd "$release" && sha256sum Stats.dll Stats-Guide.txt >SHA256SUMS)
    local members=("$release/Stats.dll" "$release/Stats-Guide.txt" "$release/SHA256SUMS")
    python3 "$1/../scripts/pack-zip.py" "$release/$name.zip" "$commit_time" "${members[@]}"
    # Both zips read back as Windows' own extractor reads them.
    python3 "$1/../tests/tools/check_release_zip.py" "$release/$name.zip" "$commit_time" \
        "${members[@]}"
    python3 "$1/../tests/tools/check_release_zip.py" "$release/$name-selftest.zip" \
        "$commit_time" "@$release/$name-selftest.zip.members"
}

echo "== Release build 1 of 2"
build_in "$work/first"
echo "== Release build 2 of 2"
build_in "$work/second-clone-of-$(basename "$root")"

first=$work/first/build-win32/release
second=$work/second-clone-of-$(basename "$root")/build-win32/release
name=$(cat "$first/version.txt")
for file in Stats.dll "$name.zip" "$name-selftest.zip"; do
    if ! cmp "$first/$file" "$second/$file"; then
        echo "release: the two builds of $file differ; no release made" >&2
        cmp -l "$first/$file" "$second/$file" | head -n 20 >&2
        exit 1
    fi
done

for zip in "$name.zip" "$name-selftest.zip"; do
    cp "$first/$zip" "$out/"
    (cd "$out" && sha256sum "$zip" >"$zip.sha256")
done
dll_sum=$(grep ' Stats.dll$' "$first/SHA256SUMS" | cut -d' ' -f1)
rm -rf "$work"
echo "== Release of commit $commit: $out/$name.zip and $out/$name-selftest.zip"
echo "SHA-256 of Stats.dll: $dll_sum"
for zip in "$name.zip" "$name-selftest.zip"; do
    echo "SHA-256 of $zip: $(cut -d' ' -f1 <"$out/$zip.sha256")"
done
