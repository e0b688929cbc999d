#!/bin/sh
# Saves onto a full disk: each command ends with exit code 2 and one line that
# says the disk is full, and the file that was there stays as it was. The disk
# is a tiny tmpfs in a mount namespace of this test's own.
#   disk_full.sh CLI SAMPLE.gzj TEMPLATE.xml DIR
set -u
cli=$1 sample=$2 template=$3 dir=$4
mkdir -p "$dir"
exec unshare -rm sh -s "$cli" "$sample" "$template" "$dir" <<'SCRIPT'
set -u
cli=$1 sample=$2 template=$3 dir=$4
mount -t tmpfs -o size=256k tmpfs "$dir" || { echo "cannot mount a tmpfs"; exit 1; }
echo "old" > "$dir/old.gzj"
echo "old" > "$dir/old.xml"
echo "old" > "$dir/old.xlsx"
head -c 250000 /dev/zero > "$dir/filler" 2>/dev/null
failed=0
check() {
    target=$1; shift
    "$cli" "$@" 2> "$dir.err" >/dev/null
    rc=$?
    lines=$(wc -l < "$dir.err")
    if [ "$rc" -ne 2 ] || [ "$lines" -ne 1 ] || ! grep -q "磁盘空间不足，文件未保存。" "$dir.err" ||
       [ "$(cat "$target")" != "old" ]; then
        echo "FAIL $*: exit $rc: $(cat "$dir.err")"; failed=1
    else
        echo "ok   $*: $(cat "$dir.err")"
    fi
}
check "$dir/old.gzj" resave "$sample" "$dir/old.gzj"
check "$dir/old.xml" template-resave "$template" "$dir/old.xml"
check "$dir/old.xlsx" template-export "$template" -o "$dir/old.xlsx"
exit $failed
SCRIPT
