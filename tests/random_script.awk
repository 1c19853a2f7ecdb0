# Writes an input script of random play, the same for the same PASSES and SEED
# on every machine and every awk:
#
#   awk -v PASSES=20000 -v SEED=1 -f tests/random_script.awk > random.script
#
# The numbers come from the script's own generator (MINSTD, whose products stay
# below 2^53, so every awk computes them exactly), never from awk's rand().
# Only keys that play: Left, Up, Right, Space and Return, each pressed and
# released in turn. No Backspace, Escape or mouse click, which would end the
# run early.

function next_number(limit) {
  state = (state * 48271) % 2147483647
  return state % limit
}

BEGIN {
  if (PASSES == "" || SEED == "" || PASSES !~ /^[0-9]+$/ || SEED !~ /^[0-9]+$/) {
    print "usage: awk -v PASSES=N -v SEED=N -f random_script.awk" > "/dev/stderr"
    exit 2
  }
  split("37 38 39 32 13", keys, " ")
  # MINSTD must not start at 0, where it would stay.
  state = SEED % 2147483646 + 1
  print "# Random play: " PASSES " passes from seed " SEED "."
  print "seed " SEED
  for (pass = 0; pass < PASSES; ++pass) {
    # About one pass in four presses or releases a key.
    if (next_number(4) != 0) continue
    key = keys[next_number(5) + 1]
    print pass " " (down[key] ? "up" : "down") " " key
    down[key] = !down[key]
  }
}
