# shellcheck shell=bash disable=SC2154
# The steps of check_installer.sh, which sets here, build, version, work, installer_name and
# publisher, and runs them in order inside a Wine prefix.

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ponderival'

windows_folder() { # VARIABLE: a folder of the Windows session, e.g. LOCALAPPDATA
    wine cmd /c "echo %$1%" | tr -d '\r'
}

in_drive_c() { # WINDOWS_PATH: the path below the prefix's drive_c, as the snapshots list it
    local unix
    unix=$(realpath -m "$(winepath -u "$1")")
    echo "${unix#"$(realpath "$WINEPREFIX/drive_c")/"}"
}

# A busy machine may take minutes to start Wine's programs.
patience=240

visible_window() { # NAME_PATTERN [BESIDES]: sets window to the first visible window of that name
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -vx "${2:-}" | head -n 1)
    [ -n "$window" ]
}

wait_for_window() { # NAME_PATTERN [BESIDES]: visible_window, once one shows within the patience
    until_true "$patience" visible_window "$@"
}

wait_for_exit() { # PID WHAT: the process's exit status, or failure once the patience is spent
    until_true "$patience" eval "! kill -0 $1 2>/dev/null" ||
        fail "$2 is still running after $patience s"
    local status=0
    wait "$1" || status=$?
    echo "$status"
}

snapshot() { # NAME: the prefix's files and both registry hives, once Wine has written them out
    wineserver -w
    (cd "$WINEPREFIX/drive_c" && find . -mindepth 1 -printf '%y %P\n' | LC_ALL=C sort) >"$1.files"
    # Key times change whenever Wine starts, whatever runs.
    sed -e 's/^\(\[.*\]\) [0-9]*$/\1/' -e '/^#time=/d' "$WINEPREFIX/user.reg" >"$1.user.reg"
    cp "$WINEPREFIX/system.reg" "$1.system.reg"
}

make_packages() {
    cpack --config "$build/CPackConfig.cmake" -B "$work/packages" >"$work/cpack.log" 2>&1 ||
        fail "cpack failed:"$'\n'"$(cat "$work/cpack.log")"
    installer=$work/packages/$installer_name
    zip=$work/packages/Ponderival-$version-win64.zip
    if [ ! -f "$installer" ] || [ ! -f "$zip" ]; then
        fail "cpack made no $installer_name or no zip"
    fi
}

zip_member() { # ZIP [MEMBER]: the names in the zip, or one member's bytes
    python3 -c 'import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
if len(sys.argv) > 2: sys.stdout.buffer.write(z.read(sys.argv[2]))
else: print("\n".join(z.namelist()))' "$@"
}

check_zip() {
    expect_same "files in the zip" "Ponderival.exe" "$(zip_member "$zip")"
    zip_member "$zip" Ponderival.exe >"$work/zipped.exe"
    cmp -s "$work/zipped.exe" "$build/window/win32/Ponderival.exe" ||
        fail "the zipped Ponderival.exe is not the one built"
}

# The installer's window bears its Italian caption; cancelled there (Esc, then Yes in the box
# that asks whether to stop), it leaves nothing.
check_italian_pages() {
    local caption='^Installazione di Ponderival$' pid installer_window
    wine "$installer" &
    pid=$!
    wait_for_window "$caption" || fail "no installer window titled \"Installazione di Ponderival\""
    installer_window=$window
    xdotool windowfocus --sync "$installer_window" key Escape
    wait_for_window "$caption" "$installer_window" ||
        fail "Esc in the installer asked nothing"
    xdotool windowfocus --sync "$window" key Return
    wait_for_exit "$pid" "the cancelled installer" >/dev/null
    snapshot "$work/cancelled"
    expect_same "files after a cancelled install" "$(cat "$work/before.files")" \
        "$(cat "$work/cancelled.files")"
}

install_silently() {
    wine "$installer" /S || fail "the silent install ended with status $?"
    install_dir="$(windows_folder LOCALAPPDATA)\\Programs\\Ponderival"
    shortcut="$(windows_folder APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Ponderival.lnk"
    snapshot "$work/installed"
}

check_installed_files() {
    local programs dir expected
    programs=$(in_drive_c "$install_dir\\..") dir=$(in_drive_c "$install_dir")
    expected=$(grep -qxF "d $programs" "$work/before.files" || echo "d $programs"
        printf '%s\n' "d $dir" "f $dir/Ponderival.exe" "f $dir/Uninstall.exe" \
            "f $(in_drive_c "$shortcut")")
    expect_same "files the install added" "$(LC_ALL=C sort <<<"$expected")" \
        "$(LC_ALL=C comm -13 "$work/before.files" "$work/installed.files")"
    expect_same "files the install removed" "" \
        "$(LC_ALL=C comm -23 "$work/before.files" "$work/installed.files")"
    cmp -s "$work/zipped.exe" "$WINEPREFIX/drive_c/$dir/Ponderival.exe" ||
        fail "the installed Ponderival.exe is not the one in the zip"
    echo "Installed:"
    LC_ALL=C comm -13 "$work/before.files" "$work/installed.files" | awk '{ print "  " $0 }'
}

reg_value() { # NAME: the value of NAME in the uninstall entry
    wine reg query "$uninstall_key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$1 \+REG_[A-Z_]\+ \+//p"
}

check_uninstall_entry() {
    local uninstaller="\"$install_dir\\Uninstall.exe\"" name expected
    while IFS='|' read -r name expected; do
        expect_same "$name of the uninstall entry" "$expected" "$(reg_value "$name")"
    done <<EOF
DisplayName|Ponderival
DisplayVersion|$version
Publisher|$publisher
DisplayIcon|$install_dir\\Ponderival.exe,0
InstallLocation|$install_dir
UninstallString|$uninstaller
QuietUninstallString|$uninstaller /S
NoModify|0x1
NoRepair|0x1
EOF
    wine reg query "${uninstall_key/HKCU/HKLM}" >/dev/null 2>&1 &&
        fail "the installer wrote the machine-wide key ${uninstall_key/HKCU/HKLM}"
    echo "Uninstall entry:"
    wine reg query "$uninstall_key" | tr -d '\r' | sed -n 's/^ \+/  /p'
}

check_shortcut() {
    expect_same "Start-menu shortcut" "icon_index=0
target=$install_dir\\Ponderival.exe
description=Quesito delle case numerate
working_dir=$install_dir
arguments=
icon_location=$install_dir\\Ponderival.exe" \
        "$(python3 "$here/lnk_fields.py" "$WINEPREFIX/drive_c/$(in_drive_c "$shortcut")")"
}

# Started as the Start menu starts it, closed with its own cmdEsc (client 208, 148).
run_from_shortcut() {
    wine start /wait "$shortcut" &
    local pid=$! status
    wait_for_window '^Form1$' || fail "the installed program showed no window Form1"
    xdotool mousemove --window "$window" 208 148 click 1
    status=$(wait_for_exit "$pid" "the installed program")
    expect_same "exit status of the installed program after cmdEsc" 0 "$status"
}

uninstall_silently() {
    # The program file is free once Wine has seen the program end.
    wineserver -w
    wine "$install_dir\\Uninstall.exe" /S || fail "the silent uninstall ended with status $?"
    # The uninstaller runs from a copy of itself in the temporary folder; wait for it.
    wineserver -w
}

# NSIS's uninstaller cannot delete its own running copy: it leaves %TEMP%\~nsuN.tmp\Un.exe for
# Windows to delete at the next restart. That is all it may leave.
check_nothing_left() {
    snapshot "$work/after"
    local temp added
    temp=$(in_drive_c "$(windows_folder TEMP)")
    added=$(LC_ALL=C comm -13 "$work/before.files" "$work/after.files")
    expect_same "files left after uninstalling" "" \
        "$(grep -vE "^[df] $temp/~nsu[0-9A-F]*\.tmp(/Un\.exe)?$" <<<"$added" || true)"
    expect_same "files removed by uninstalling" "" \
        "$(LC_ALL=C comm -23 "$work/before.files" "$work/after.files")"
    expect_same "the user's registry after uninstalling (- before, + after)" \
        "$(cat "$work/before.user.reg")" "$(cat "$work/after.user.reg")"
    grep -qi ponderival "$work/after.system.reg" && fail "the machine's registry names Ponderival"
    if grep -q '^f .*Un\.exe$' <<<"$added"; then
        grep -q '^"PendingFileRenameOperations"=.*~nsu[0-9A-F]*\.tmp\\\\Un\.exe' \
            "$work/after.system.reg" || fail "the uninstaller's copy is not deleted at restart"
        echo "Left until the next restart:"
        awk '{ print "  " $0 }' <<<"$added"
    fi
}
