# The window tests' shell functions, sourced by a flow script that run-in-wine runs with --display
# --script (WINEPREFIX prepared, the Wine server running, an X screen of HWDEX_WINE_SCREEN). See
# README.md beside this file.
#   gui_begin BUILD_DIR NAME   the program folder, the trace listener, the desktop and the browser stub
# Afterwards: $program (the program folder), $trace, $browser_log, $shots, $work and the functions below.

gui_here=$(dirname "$(realpath "${BASH_SOURCE[0]}")")
gui_root=$(realpath "$gui_here/../../..")

fail() {
  echo "${gui_name:-gui}: $*" >&2
  # What the screen showed when the flow failed.
  [ -z "${shots:-}" ] || import -window root "$shots/failed-${gui_name// /-}.png" 2>/dev/null || true
  if [ -s "${trace:-}" ]; then
    echo "--- trace:" >&2
    cut -f2- "$trace" >&2
  fi
  [ ! -s "${work:-}/program.out" ] || { echo "--- program output:" >&2; cat "$work/program.out" >&2; }
  exit 1
}

# wait_for SECONDS WHAT COMMAND...: runs COMMAND until it succeeds or the time runs out.
wait_for() {
  local limit=$(($1 * 10)) what=$2 i
  shift 2
  for ((i = 0; i < limit; i++)); do
    if "$@"; then return 0; fi
    sleep 0.1
  done
  fail "no $what within $((limit / 10)) s"
}

# The desktop: a Wine desktop window of its own ("explorer /desktop=hwdex,1280x1024" for every
# program of the prefix), so that windows have captions and screenshots show what a person sees.
# The user's browser: a stub that records each address the shell opens, one per line.
# Text files open in Notepad, as on Windows (Wine's own registry has no ".txt" type).
gui_prefix() {
  local key='HKCU\Software\Wine'
  browser_log=$work/browser.log
  printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$browser_log" >"$work/browser-stub"
  chmod +x "$work/browser-stub"
  wine reg add "$key\\Explorer" /v Desktop /t REG_SZ /d hwdex /f </dev/null >/dev/null 2>&1
  wine reg add "$key\\Explorer\\Desktops" /v hwdex /t REG_SZ /d "${HWDEX_WINE_SCREEN:-1280x1024}" /f </dev/null >/dev/null 2>&1
  wine reg add "$key\\WineBrowser" /v Browsers /t REG_SZ /d "$work/browser-stub" /f </dev/null >/dev/null 2>&1
  wine reg add 'HKCR\.txt' /ve /t REG_SZ /d txtfile /f </dev/null >/dev/null 2>&1
}

gui_begin() {
  build=$(realpath "$1")
  gui_name=$2
  work=$(dirname "$WINEPREFIX")  # run-in-wine removes it afterwards
  bin=$build/bin
  driver=$build/tests/gui_driver.exe
  shots=$build/tests/screenshots
  # A program folder whose name holds Chinese characters and a blank, as users' folders do.
  program="$work/沐杉 测试/程序"
  trace=$work/trace.txt
  driver_log=$(winepath -w "$work/driver.log" 2>/dev/null)
  mkdir -p "$program" "$shots"
  for f in hwdex.exe hx.dll dic copy.gif; do cp "$bin/$f" "$program/$f"; done
  write_ini ""
  gui_prefix
  wine "$build/tests/hwdex_trace.exe" "$(winepath -w "$trace")" </dev/null >"$work/trace.out" 2>&1 &
  wait_for 20 "trace listener" test -e "$trace.ready"
}

# The update server of every flow that names none: nothing answers there, so no flow ever meets the
# question of an update from the compiled-in server, and each check ends with the upload prompt's timer.
no_update_server=http://127.0.0.1:9

# write_ini TEXT: hwdex.ini beside the program, TEXT given in UTF-8 with "\r\n" line ends. Without a
# key "升级" the update server is $no_update_server (added to the section "服务器", or in one of its own).
write_ini() {
  local text=$1
  if [[ "$text" != *"升级="* ]]; then
    if [[ "$text" == *"[服务器]\r\n"* ]]; then
      text=${text/"[服务器]\r\n"/"[服务器]\r\n升级=$no_update_server\r\n"}
    else
      text+="\r\n[服务器]\r\n升级=$no_update_server\r\n"
    fi
  fi
  printf '%b' "$text" | iconv -f UTF-8 -t GBK >"$program/hwdex.ini"
}

# no_upload_prompt: "up" = "1" in the prefix, as after an upload, so that no upload prompt opens ten
# seconds after a scan (timer 1) in the middle of a flow that is about something else.
no_upload_prompt() {
  wine reg add 'HKCU\Software\hwdex' /v up /t REG_SZ /d 1 /f </dev/null >/dev/null 2>&1 || fail "cannot write \"up\""
}

# start_program [ARGUMENT]: hwdex.exe from its folder, in the background; $program_pid is Wine's.
start_program() {
  (cd "$program" && exec wine hwdex.exe "$@" </dev/null >>"$work/program.out" 2>&1) &
  program_pid=$!
}

# expect_exit PID CODE SECONDS: the process ends within SECONDS with exit code CODE.
expect_exit() {
  local pid=$1 code=$2 status=0
  wait_for "$3" "end of the program" bash -c "! kill -0 $pid 2>/dev/null"
  wait "$pid" || status=$?
  [ "$status" = "$code" ] || fail "the program ended with code $status, expected $code"
}

# drive STEP ARGUMENT... [";" STEP ARGUMENT...]...: the GUI driver; its output on standard output
# (lines end in "\n").
# Each call's steps are logged (HWDEX_DRIVER_LOG): a driver that ends without a word on its standard
# error still shows how far it got.
drive() {
  local out status=0
  : >"$work/driver.log"
  out=$(HWDEX_DRIVER_LOG=$driver_log wine "$driver" "$@" </dev/null 2>"$work/driver.err") || status=$?
  [ "$status" -eq 0 ] ||
    fail "driver steps ($*) ended with code $status: $(cat "$work/driver.err") [log: $(paste -sd'|' "$work/driver.log")]"
  # The driver writes Windows line ends; the flows compare lines.
  out=${out//$'\r'/}
  [ -z "$out" ] || printf '%s\n' "$out"
}

# The mouse and the keyboard from the X side, as a person uses them (the Wine desktop's coordinates
# are the screen's).
click() { xdotool mousemove "$1" "$2" click 1; }
key() { xdotool key "$1"; }
# click_on STEP ARGUMENT...: a click at the point the driver's step gives ("where-tab N" or
# "where PAGE ID"); a failing step ends the flow before any click.
click_on() {
  local at
  at=$(drive "$@")
  click $at
}

# The trace: one line per OutputDebugStringA of any program, "<ms> TAB <pid> TAB <text>".
trace_texts() { cut -f3- "$trace"; }
trace_mark() { trace_from=$(($(wc -l <"$trace") + 1)); }
trace_since_mark() { tail -n "+${trace_from:-1}" "$trace" | cut -f3-; }
traced() { trace_since_mark | grep -qxF -- "$1"; }
# wait_traced SECONDS LINE: the exact line appears in the trace after the mark.
wait_traced() { wait_for "$1" "trace line \"$2\"" traced "$2"; }
# trace_in_order LINE...: these exact lines appear after the mark, in this order.
trace_in_order() {
  local line last=0 at
  for line in "$@"; do
    at=$(trace_since_mark | grep -nxF -- "$line" | cut -d: -f1 | awk -v after="$last" '$1 > after { print; exit }')
    [ -n "$at" ] || fail "trace line \"$line\" not found after line $last (since the mark) in this order: $*"
    last=$at
  done
}

# The addresses the shell gave the user's browser, one per line.
browser_opened() { cat "$browser_log" 2>/dev/null || true; }

# screenshot NAME: the whole X screen as $shots/NAME.png.
screenshot() { import -window root "$shots/$1.png" || fail "screenshot $1 failed"; }

# The program folder as the program names it, and a file in it.
program_dir_windows() { winepath -w "$program" 2>/dev/null; }
program_file_windows() { printf '%s\\%s' "$(program_dir_windows)" "$1"; }
