#!/usr/bin/env bash
# The set-up script on a machine that has everything the game needs but none of the test tools:
# "game" installs nothing, "test" installs just the test tools, and without root it only says
# which apt-get line to run.
set -u
setup="$1"
test_tools=(libgtest-dev libgmock-dev libbenchmark-dev xvfb imagemagick xdotool)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
# dpkg-query: every package is installed but the test tools.
cat >"$work/bin/dpkg-query" <<FAKE
#!/usr/bin/env bash
for tool in ${test_tools[*]}; do [ "\${!#}" = "\$tool" ] && exit 1; done
printf 'install ok installed'
FAKE
# apt-get: talks, and writes down what it was asked to install; FAKE_APT_FAIL makes it fail.
cat >"$work/bin/apt-get" <<FAKE
#!/usr/bin/env bash
echo "Reading package lists..."
[ -n "\${FAKE_APT_FAIL:-}" ] && { echo "E: Unable to fetch some archives"; exit 100; }
[ "\$1" = install ] && shift && echo "\$@" | tr ' ' '\n' | grep -v '^-' >>"$work/installed"
exit 0
FAKE
printf '#!/usr/bin/env bash\necho "${FAKE_UID:-0}"\n' >"$work/bin/id"
chmod +x "$work/bin/"*
export PATH="$work/bin:$PATH"

fail() { echo "FAIL: $*"; exit 1; }

"$setup" game || fail "setup.sh game failed"
[ -s "$work/installed" ] && fail "the game's set-up installed: $(tr '\n' ' ' <"$work/installed")"

output=$("$setup" test 2>&1) || fail "setup.sh test failed: $output"
wanted=$(printf '%s\n' "${test_tools[@]}" | sort)
got=$(sort "$work/installed")
[ "$got" = "$wanted" ] || fail "the tests' set-up installed: $(echo $got), not: $(echo $wanted)"
[ "$(wc -l <<<"$output")" -eq 1 ] || fail "an install that works says more than one line: $output"

output=$(FAKE_APT_FAIL=1 "$setup" test 2>&1) && fail "a failed install is no error"
[[ "$output" == *"Unable to fetch"* ]] || fail "a failed install hides apt-get's words: $output"

rm -f "$work/installed"
message=$(FAKE_UID=1000 "$setup" test 2>&1) && fail "without root a missing package is an error"
[ -e "$work/installed" ] && fail "installed without root"
for tool in "${test_tools[@]}"; do
  [[ "$message" == *"$tool"* ]] || fail "the apt-get line leaves out $tool: $message"
done
FAKE_UID=1000 "$setup" game || fail "without root, nothing missing for the game is no error"
echo "ok"
