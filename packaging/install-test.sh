#!/usr/bin/env bash
# The installed program: installs the build into a temporary prefix, checks
# that every part is in its usual place, then starts the installed program
# (offscreen) from an empty folder, as the desktop entry does, and reads on
# its start-up log that it set up the first question of the shipped question
# file in a per-user copy of the shipped folder. A second start after the
# student has edited the copy, and after installing again, must keep the edit.
#
#     bash packaging/install-test.sh <build folder>
#     bash packaging/install-test.sh --deb <build folder | package.deb>
#
# With --deb it checks the Debian package instead: its fields and file list
# (dpkg-deb -I, -c), its dependencies against the libraries the program
# links, and then the same as above on the package unpacked into a temporary
# root (dpkg-deb -x); installing again unpacks it again. Given a build
# folder, it first makes the package with cpack.
set -euo pipefail
deb=
if [ "${1:-}" = --deb ]; then
    deb=$2
else
    build=$1
fi
work=$(mktemp -d)
# The program, if it is still running, is ended before its prefix is deleted.
trap '[ ! -s "$work/pid" ] || kill "$(cat "$work/pid")" 2>/dev/null; rm -rf "$work"' EXIT
home=$work/home
empty=$work/empty
mkdir -p "$home" "$empty"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

if [ -d "$deb" ]; then
    (cd "$deb" && cpack -B "$work/package" >"$work/cpack.log" 2>&1) ||
        { cat "$work/cpack.log" >&2; fail "cpack made no package"; }
    deb=$(echo "$work"/package/tabulon_*.deb)
fi

# Puts the program's files in place: installs the build into a prefix, or
# unpacks the package into a root whose prefix is /usr.
layDown() {
    if [ -n "$deb" ]; then
        dpkg-deb -x "$deb" "$work/root"
    else
        cmake --install "$build" --prefix "$prefix" >/dev/null
    fi
}

if [ -n "$deb" ]; then
    prefix=$work/root/usr
    dpkg-deb -I "$deb" >"$work/info"
    field() { sed -n "s/^ $1: //p" "$work/info"; }
    [ "$(field Package)" = tabulon ] || fail "the package is not called tabulon"
    [ "$(field Section)" = education ] || fail "the package's section is not education"
    [ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "wrong architecture"
    case $(basename "$deb") in
    "tabulon_$(field Version)_$(field Architecture).deb") ;;
    *) fail "the package file is not named tabulon_<version>_<arch>.deb" ;;
    esac
    grep -q '^  行列と連立方程式を学ぶ' "$work/info" || fail "the description has no Japanese part"
    grep -q '^  A study program' "$work/info" || fail "the description has no English part"
    [ -n "$(field Maintainer)" ] || fail "the package has no maintainer"

    # Everything lies under /usr, and the parts are there.
    dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
    ! grep -v -e '^\./usr/' -e '^\./$' "$work/files" || fail "files outside /usr"
    for f in bin/tabulon share/doc/tabulon/copyright share/doc/tabulon/changelog.gz \
        share/man/man1/tabulon.1.gz; do
        grep -qx "\./usr/$f" "$work/files" || fail "the package holds no /usr/$f"
    done

    # The dependencies: the packages that hold the libraries the program
    # links, and the Japanese font; nothing else.
    layDown
    needed=$(objdump -p "$prefix/bin/tabulon" | awk '/NEEDED/ {print $2}')
    expected=fonts-ipafont-gothic
    for lib in $needed; do
        path=$(ldd "$prefix/bin/tabulon" | awk -v l="$lib" '$1 == l {print $3}')
        [ -n "$path" ] || fail "$lib is not found"
        owner=$(dpkg -S "$(realpath "$path")" 2>/dev/null || dpkg -S "$path" 2>/dev/null ||
            dpkg -S "/usr$path" 2>/dev/null) || fail "no package holds $path"
        expected="$expected ${owner%%:*}"
    done
    expected=$(echo "$expected" | tr ' ' '\n' | sort -u)
    declared=$(field Depends | tr ',' '\n' | sed 's/^ *//; s/[ (].*//' | sort -u)
    [ "$declared" = "$expected" ] ||
        fail "the package depends on $(echo $declared), expected $(echo $expected)"
    rm -rf "$work/root"
else
    prefix=$work/prefix
fi
layDown

for f in bin/tabulon share/tabulon/RAver.sim share/tabulon/Gridora.hlp \
    share/tabulon/DATA/matr2201.grt share/applications/tabulon.desktop \
    share/icons/hicolor/scalable/apps/tabulon.svg \
    share/icons/hicolor/48x48/apps/tabulon.png share/icons/hicolor/256x256/apps/tabulon.png \
    share/metainfo/io.github.tabulon.Tabulon.metainfo.xml; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ -x "$prefix/bin/tabulon" ] || fail "bin/tabulon is not executable"
[ ! -e "$prefix/share/tabulon/.gitattributes" ] || fail "a file of the repository was installed"
head -c 8 "$prefix/share/icons/hicolor/256x256/apps/tabulon.png" | od -An -tx1 |
    grep -q '89 50 4e 47 0d 0a 1a 0a' || fail "the PNG icon is not a PNG file"
grep -q '^Name\[ja\]=Tabulon 行列と連立方程式$' "$prefix/share/applications/tabulon.desktop" ||
    fail "the desktop entry has no Japanese name"
grep -q '^Exec=tabulon$' "$prefix/share/applications/tabulon.desktop" ||
    fail "the desktop entry does not start the program"
desktop-file-validate "$prefix/share/applications/tabulon.desktop"
# The software centre's entry as installed: it names the desktop entry, which is there.
appstreamcli validate-tree --no-net "$prefix" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "the installed AppStream metadata is not valid"; }

# The first question of a question file, as the start-up log writes it.
firstQuestion() {
    iconv -f CP932 -t UTF-8 "$1" | tr -d '\r' | grep -v -e '^<<' -e '^>>' -e '^$' | head -1
}

# Starts the installed program in the empty folder and prints the first
# question it sets up; the program is ended as soon as it has said so. The
# subshell execs the program, so the process ended is the program itself.
startOnce() {
    local log=$work/start.log
    (cd "$empty" && exec env -i PATH="$PATH" HOME="$home" QT_QPA_PLATFORM=offscreen \
        QT_LOGGING_RULES="tabulon.startup.info=true" ASAN_OPTIONS=detect_leaks=0 \
        "$prefix/bin/tabulon" >"$log" 2>&1) &
    local pid=$!
    echo "$pid" >"$work/pid"
    for _ in $(seq 1 600); do
        if grep -q 'question set up' "$log" 2>/dev/null; then break; fi
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    : >"$work/pid"
    sed -n 's/.*question set up 1(1) //p' "$log" | head -1
    grep -q 'question set up' "$log" || { cat "$log" >&2; return 1; }
}

copy=$home/.local/share/tabulon
shipped=$(firstQuestion "$prefix/share/tabulon/RAver.sim")
got=$(startOnce) || fail "the installed program set up no question"
[ "$got" = "$shipped" ] || fail "first question: got '$got', expected '$shipped'"
[ -z "$(ls -A "$empty")" ] || fail "the program wrote into the folder it was started in"
cmp -s "$copy/RAver.sim" "$prefix/share/tabulon/RAver.sim" || fail "no user copy of the questions"
cmp -s "$copy/DATA/matr2201.grt" "$prefix/share/tabulon/DATA/matr2201.grt" ||
    fail "no user copy of the sample matrices"
[ -f "$copy/Gridora.hlp" ] || fail "no user copy of the help document"

# The student's own questions survive a new start and a new installation.
printf '<<練習\r\n2x+y=5;x-y=1\r\n>>\r\n' | iconv -f UTF-8 -t CP932 >"$copy/RAver.sim"
printf 'matrix1.0\r\n' >"$copy/DATA/matr2299.grt"
layDown
got=$(startOnce) || fail "the installed program set up no question the second time"
[ "$got" = "2x+y=5;x-y=1" ] || fail "after reinstalling: got '$got', expected the student's question"
[ -f "$copy/DATA/matr2299.grt" ] || fail "a saved matrix file was lost"
echo "installed program: first question '$shipped' set up in $copy"
