#!/usr/bin/env bash
# A school's shared worksheet folder with real Unix users: two teachers in one
# group, logged in with Debian's umask 022, and a pupil outside it. The built
# program, named the folder by a machine setting (XDG_CONFIG_DIRS), runs as
# each user in turn under an X server: a teacher saves, the other saves,
# edits the first one's worksheet, deletes it, each by keystrokes and clicks;
# after every step the folder must hold exactly the expected files, byte for
# byte, each owned by whoever wrote it last, in the teachers' group, mode 664.
# The pupil answers a worksheet and is refused a deletion and a save, with
# nothing changed. The users and their group exist only while it runs.
if [ "$(id -u)" -ne 0 ]; then echo "SKIP: adding users needs root"; exit 77; fi
source "$(dirname "$0")/lib.sh"
needs useradd userdel groupadd groupdel setpriv
P="vt$$"; GROUP="${P}staff"; T1="${P}t1"; T2="${P}t2"; PUPIL="${P}p"
remove_users() {
  local u
  for u in "$T1" "$T2" "$PUPIL"; do userdel "$u" 2>/dev/null || true; done
  groupdel "$GROUP" 2>/dev/null || true
}
trap 'e2e_cleanup; remove_users' EXIT # a user is removed only once its program has ended
groupadd "$GROUP"
for u in "$T1" "$T2"; do useradd -M -N -g nogroup -G "$GROUP" "$u"; done
useradd -M -N -g nogroup "$PUPIL"

# The program with a copy of its content, and the shared folder, where every user can reach them.
chmod 755 "$E2E_TMP"
APP="$E2E_TMP/app" SHARED="$E2E_TMP/shared" WANT="$E2E_TMP/want" OWNERS="$E2E_TMP/owners"
mkdir -p "$APP" "$SHARED" "$WANT" "$E2E_TMP/xdg/velmora"
cp "$BUILD_DIR/velmora" "$APP/"
for d in images wav wmf wmf2 logo multiple; do cp -rL "$BUILD_DIR/$d" "$APP/$d"; done
chgrp "$GROUP" "$SHARED" && chmod 2775 "$SHARED"
printf '[Worksheets]\nFolder=%s\n' "$SHARED" >"$E2E_TMP/xdg/velmora/velmora.conf"
: >"$OWNERS"
start_xvfb

# as USER ACTION ARGS...: starts the program as USER, takes it to the main menu, acts, ends it.
as() {
  local user=$1; shift
  install -d -m 700 -o "$user" "$E2E_TMP/home-$user"
  setpriv --reuid="$user" --regid=nogroup --init-groups -- env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    HOME="$E2E_TMP/home-$user" XDG_RUNTIME_DIR="$E2E_TMP/home-$user" XDG_CONFIG_DIRS="$E2E_TMP/xdg" sh -c 'umask 022 && cd "$1" && exec ./velmora' sh "$APP" \
    >"$E2E_TMP/velmora.log" 2>&1 &
  VELMORA_PID=$!
  E2E_PIDS+=("$VELMORA_PID")
  enter_main_menu
  "$@"
  kill "$VELMORA_PID" && wait "$VELMORA_PID" 2>/dev/null || true
}
save_and_confirm() { click_control wizard 240 7920 3165 495; answer_message "$1"; }
save_new() { click_control intro0 6930 5760 4635 495; type_worksheet "$1"; save_and_confirm "$1"; }
# open_title CHECKBOX_LEFT SLOT: the catalogue, with a mode ticked (none when empty), then a title.
open_title() {
  click_control intro0 6930 6600 4635 495
  wait_until 10 gone intro0 || fail "the main menu stayed" # no click may land on it
  [ -z "$1" ] || click_control worksheets "$1" 120 2535 375
  click_control worksheets 120 $((720 + 600 * ($2 - 1))) 5715 375
}
edit_title() { open_title 120 "$1"; click_control wizard 240 840 5655 375; xdotool key End type " again"; save_and_confirm edit; }
delete_title() { open_title 9240 "$1"; answer_message "the question"; }
# The pupil's deletion: OK to the question, then the refusal, in a message box of its own.
another_message() { local id; id=$(windows_with_role message | head -1); [ -n "$id" ] && [ "$id" != "$1" ]; }
refused_delete() {
  local question
  open_title 9240 1
  question=$(wait_for message)
  xdotool mousemove --window "$question" 5 5 click 1 key Return
  wait_until 10 another_message "$question" || fail "the pupil's deletion was not refused"
  answer_message "refused deletion"
}
refused_save() { save_new Gamma; }
answer_title() { open_title "" 1; wait_for multiple >/dev/null; }

# want FILE OWNER: FILE, with the bytes read from standard input, belongs to OWNER.
want() {
  cat >"$WANT/$1"
  { grep -v "^$1 " "$OWNERS" || true; echo "$1 $2 $GROUP 664"; } | LC_ALL=C sort >"$OWNERS.new" && mv "$OWNERS.new" "$OWNERS"
}
check_folder() {
  diff -r "$WANT" "$SHARED" >&2 || fail "after $1 the folder does not hold the expected files"
  diff <(cd "$SHARED" && LC_ALL=C stat -c '%n %U %G %a' -- *) "$OWNERS" >&2 || fail "owners or modes after $1"
}
edited() { worksheet_bytes "$1" | sed $'3s/?\r$/? again\r/'; }

as "$T1" save_new Alpha
worksheet_bytes Alpha | want Alpha.txt "$T1"; printf ' 1 \r\nAlpha\r\n' | want track.txt "$T1"
check_folder "the first teacher's save"
as "$T2" save_new Beta
worksheet_bytes Beta | want Beta.txt "$T2"; printf ' 2 \r\nAlpha\r\nBeta\r\n' | want track.txt "$T2"
check_folder "the second teacher's save"
as "$T1" edit_title 2
edited Beta | want Beta.txt "$T1"
check_folder "the first teacher's edit of the second one's worksheet"
as "$T2" delete_title 1
printf ' 1 \r\nBeta\r\n' | want track.txt "$T2"
check_folder "the second teacher's deletion of the first one's worksheet (its file stays)"
for step in answer_title refused_delete refused_save; do
  as "$PUPIL" "$step"
  check_folder "the pupil's $step"
done
echo "PASS: two teachers saved, edited and deleted in turn with group-writable files; the pupil answered and changed nothing"
