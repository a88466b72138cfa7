#!/bin/bash
# Builds every sound of the program into OUT/wav from the recipes below,
# with SoX, ffmpeg's loudness meter and espeak-ng only. Nothing is recorded
# or copied: each sound is synthesised, so the folder can be rebuilt
# anywhere these tools exist.
#
# Usage: make.sh [CONTENT_DIR]     default: the repository's content folder
#
# Every finished file is 22 050 Hz, mono, 16-bit PCM and ends in 0.25 s of
# silence, because Qt's sound player cuts the last moment of a sample. The
# reward sounds all have one integrated loudness (EBU R128, TARGET_LUFS) with
# true peaks below -1 dBFS, so none startles and none is lost; the short
# interface sounds are set by their peak. SoX always runs with -R (fixed
# random seed) so noise, dither and therefore every output byte are the same
# on every run. espeak-ng (the choir only) uses voices without breath noise,
# which are repeatable.
set -euo pipefail

OUT=${1:-$(cd "$(dirname "$0")" && pwd)/../../content}
mkdir -p "$OUT/wav"
W=$(mktemp -d)
# KEEP_WORK=1 keeps the intermediate sounds for listening to one step.
if [[ -n ${KEEP_WORK:-} ]]; then echo "work files kept in $W" >&2; else trap 'rm -rf "$W"' EXIT; fi

# Intermediate files are 32-bit float so that mixing never clips before the
# final normalisation.
F=(-r 22050 -c 1 -b 32 -e floating-point)
TARGET_LUFS=-16    # integrated loudness of every reward sound
PEAK_CEILING=-1.5  # dBFS: true peaks stay under this, a margin below -1

# gen NAME SYNTH-EFFECTS...     a new work sound from nothing
gen() { local out=$1; shift; sox -R -n "${F[@]}" "$W/$out.wav" "$@"; }
# fx IN OUT EFFECTS...          a work sound through effects
fx() { local in=$1 out=$2; shift 2; sox -R "$W/$in.wav" "${F[@]}" "$W/$out.wav" "$@"; }
# at NAME SECONDS OUT           a work sound delayed by SECONDS
at() { fx "$1" "$3" pad "$2"; }
# join OUT IN...                work sounds one after another
join() { local out=$1; shift; local a=(); for s in "$@"; do a+=("$W/$s.wav"); done; sox -R "${a[@]}" "${F[@]}" "$W/$out.wav"; }
# mix OUT VOL IN VOL IN...      work sounds on top of each other, each scaled
mix() {
    local out=$1; shift; local a=()
    while (($#)); do a+=(-v "$1" "$W/$2.wav"); shift 2; done
    if ((${#a[@]} == 2)); then sox -R "${a[@]}" "${F[@]}" "$W/$out.wav"; else sox -R -m "${a[@]}" "${F[@]}" "$W/$out.wav"; fi
}
# mixmany OUT VOL IN VOL IN...  like mix for any number of inputs: SoX opens
#                               every input at once, so groups of twelve
mixmany() {
    local out=$1; shift; local args=("$@") groups=() g=0
    while ((${#args[@]})); do
        mix "${out}_g$g" "${args[@]:0:24}"
        groups+=(1 "${out}_g$g"); args=("${args[@]:24}"); g=$((g + 1))
    done
    if ((${#groups[@]} == 2)); then fx "${out}_g0" "$out"; else mix "$out" "${groups[@]}"; fi
}
# loudness FILE                 "integrated-LUFS true-peak-dBFS", EBU R128 by ffmpeg
loudness() {
    ffmpeg -nostdin -nostats -hide_banner -i "$1" -filter_complex ebur128=peak=true -f null - 2>&1 |
        awk '/^ *I:/ {i = $2} /^ *Peak:/ {p = $2} END {print i, p}'
}
# finish IN NAME                a reward sound as delivered: TARGET_LUFS with
#                               its true peak under PEAK_CEILING. Where gain
#                               alone would push the loudest moments over,
#                               they are limited and the gain measured again.
finish() {
    local cur=$1_f0 n i tp limit
    fx "$1" "$cur" highpass 30 lowpass 9000 pad 0.005 0.25 gain -n 0
    for n in 1 2 3 4 5 6 7 8; do
        read -r i tp < <(loudness "$W/$cur.wav")
        if awk -v i="$i" -v p="$tp" -v t="$TARGET_LUFS" -v c="$PEAK_CEILING" 'BEGIN {exit !(p - i <= c - t)}'; then
            sox -R "$W/$cur.wav" -b 16 -e signed-integer "$OUT/wav/$2.wav" gain "$(awk -v i="$i" -v t="$TARGET_LUFS" 'BEGIN {print t - i}')"
            return
        fi
        # Peaks too far above the loudness: a look-ahead limiter, working at
        # four times the rate so that it also catches peaks between samples,
        # holds the loudest moments down by the excess; then measure again.
        limit=$(awk -v i="$i" -v p="$tp" -v t="$TARGET_LUFS" -v c="$PEAK_CEILING" \
            'BEGIN {x = 10 ^ (((c - t) - (p - i) - 0.3) / 20); if (x < 0.0625) x = 0.0625; printf "%.4f", x}')
        ffmpeg -nostdin -loglevel error -bitexact -i "$W/$cur.wav" -af \
            "aresample=88200,alimiter=limit=$limit:attack=0.5:release=2:level=false:latency=true,aresample=22050" \
            -c:a pcm_f32le -bitexact "$W/$1_l$n.wav"
        fx "$1_l$n" "$1_f$n" gain -n 0
        cur=$1_f$n
    done
    echo "$2: cannot reach $TARGET_LUFS LUFS with true peaks under $PEAK_CEILING dBFS" >&2
    return 1
}
# finish_ui IN NAME PEAK-DB     an interface sound as delivered: set by its peak
finish_ui() {
    sox -R "$W/$1.wav" -b 16 -e signed-integer "$OUT/wav/$2.wav" highpass 30 gain -n "$3" pad 0.005 0.25
}
# hz NOTE                       frequency of a note name such as A4, C#5, Bb3
hz() {
    awk -v n="$1" 'BEGIN {
        split("C C# D D# E F F# G G# A A# B", names, " ")
        name = substr(n, 1, length(n) - 1); oct = substr(n, length(n))
        sub(/Db/, "C#", name); sub(/Eb/, "D#", name); sub(/Gb/, "F#", name)
        sub(/Ab/, "G#", name); sub(/Bb/, "A#", name)
        for (i = 1; i <= 12; i++) if (names[i] == name) k = i - 1
        printf "%.3f", 440 * 2 ^ ((k - 9 + 12 * (oct - 4)) / 12)
    }'
}
# mul F X                     F times X, for frequencies
mul() { awk -v f="$1" -v x="$2" 'BEGIN {printf "%.3f", f * x}'; }
# rand SEED COUNT MIN MAX       COUNT repeatable pseudo-random numbers
rand() {
    awk -v s="$1" -v n="$2" -v lo="$3" -v hi="$4" 'BEGIN {
        for (i = 0; i < n; i++) { s = (s * 1103515245 + 12345) % 2147483648
            printf "%.4f\n", lo + (hi - lo) * s / 2147483648 }
    }'
}

# ---------------------------------------------------------------- interface

# click: a short, dry tick for every button.
gen click_tone synth 0.03 sine 1900 fade q 0 0.03 0.028
gen click_noise synth 0.03 whitenoise gain -8 highpass 1800 lowpass 7000 fade q 0.0005 0.03 0.029
mix click 0.7 click_tone 0.5 click_noise
finish_ui click click -3

# typekey: a typewriter key: metal clack over a wooden knock.
gen tk_clack synth 0.05 whitenoise gain -8 bandpass 3200 1.5q fade q 0.0005 0.05 0.047
gen tk_ping synth 0.06 sine 2750 sine 4120 remix - fade q 0 0.06 0.058
gen tk_knock synth 0.07 sine 190:120 fade q 0.001 0.07 0.066
mix typekey 0.6 tk_clack 0.25 tk_ping 0.6 tk_knock
finish_ui typekey typekey -3

# thud3: a label landing in its box: a soft knock of wood on felt. Its
# pitch falls from 360 to 210 Hz and its felt and wood sit between 400 Hz
# and 2 kHz, so laptop and whiteboard speakers, which give almost nothing
# below 200 Hz, still carry it.
gen th_body synth 0.17 sine 360:210 fade l 0.002 0.17 0.165
gen th_felt synth 0.07 pinknoise gain -8 bandpass 650 0.9q fade l 0.001 0.07 0.068
gen th_wood synth 0.035 sine 1180 sine 1730 remix - fade l 0.001 0.035 0.034
mix th_dry 0.8 th_body 0.45 th_felt 0.12 th_wood
fx th_dry thud3 highpass 190 lowpass 4000
finish_ui thud3 thud3 -3

# ---------------------------------------------------------------- fanfares

# brass NAME NOTE SECONDS       one trumpet note: bright saw tone, soft attack
brass() {
    local f; f=$(hz "$2")
    gen "$1" synth "$3" sawtooth "$f" sawtooth "$(awk -v f="$f" 'BEGIN{print f*1.003}')" \
        remix - gain -10 overdrive 4 lowpass 4500 lowpass "$(awk -v f="$f" 'BEGIN{x=f*4; if (x>3800) x=3800; print x}')" \
        fade q 0.015 "$3" "$(awk -v d="$3" 'BEGIN{print d < 0.12 ? d / 3 : 0.05}')"
}
# line NAME NOTE:SECONDS...     a melody of brass notes
line() {
    local out=$1; shift; local parts=() i=0
    for nd in "$@"; do
        local n=${nd%%:*} d=${nd##*:}
        if [[ $n == R ]]; then gen "${out}_$i" trim 0 "$d"; else brass "${out}_$i" "$n" "$d"; fi
        parts+=("${out}_$i"); i=$((i + 1))
    done
    join "$out" "${parts[@]}"
}
# timpani NAME NOTE SECONDS     a kettle-drum stroke
timpani() {
    local f; f=$(hz "$2")
    gen "$1_t" synth "$3" sine "$f" sine "$(awk -v f="$f" 'BEGIN{print f*1.5}')" remix - fade l 0.003 "$3" "$3"
    gen "$1_n" synth 0.08 brownnoise gain -8 lowpass 300 fade q 0.001 0.08 0.07
    mix "$1" 0.8 "$1_t" 0.5 "$1_n"
}

# fanf2: "ta-ta-ta-taaa" for two trumpets.
line f2_hi G4:0.14 G4:0.14 G4:0.14 C5:0.8
line f2_lo E4:0.14 E4:0.14 E4:0.14 G4:0.8
mix fanf2 0.5 f2_hi 0.4 f2_lo
fx fanf2 fanf2_r gain -6 pad 0 0.6 reverb 30 50 60
finish fanf2_r fanf2

# fanf3: a rising bugle call on the notes of the natural trumpet.
line f3_hi G4:0.12 C5:0.12 E5:0.12 G5:0.3 E5:0.12 G5:0.9
line f3_lo R:0.36 G4:0.3 C5:0.12 E5:0.9
mix fanf3 0.5 f3_hi 0.35 f3_lo
fx fanf3 fanf3_r gain -6 pad 0 0.6 reverb 30 50 60
finish fanf3_r fanf3

# fanf4: a royal fanfare for three trumpets and kettle drums.
line f4_a D5:0.16 D5:0.08 D5:0.08 D5:0.3 A4:0.3 D5:0.16 F#5:0.16 A5:1.1
line f4_b F#4:0.16 F#4:0.08 F#4:0.08 F#4:0.3 E4:0.3 F#4:0.16 A4:0.16 D5:1.1
line f4_c D4:0.16 D4:0.08 D4:0.08 D4:0.3 C#4:0.3 D4:0.16 D4:0.16 F#4:1.1
timpani f4_t1 D2 0.6
timpani f4_t2 A1 0.6
timpani f4_t3 D2 1.2
at f4_t2 0.62 f4_t2d
at f4_t3 0.92 f4_t3d
mix fanf4 0.4 f4_a 0.3 f4_b 0.3 f4_c 0.35 f4_t1 0.35 f4_t2d 0.45 f4_t3d
fx fanf4 fanf4_r gain -6 pad 0 0.8 reverb 35 50 70
finish fanf4_r fanf4

# ---------------------------------------------------------------- pay-out

# slot_payoff: a winning arpeggio, then coins tumbling into the tray.
line sp_up C6:0.07 E6:0.07 G6:0.07 C7:0.25
fx sp_up sp_upb lowpass 6000
coin() {
    gen "$1_a" synth 0.22 sine "$2" sine "$(awk -v f="$2" 'BEGIN{print f*1.47}')" \
        sine "$(awk -v f="$2" 'BEGIN{print f*2.09}')" remix - fade l 0.001 0.22 0.21
    gen "$1_b" synth 0.015 whitenoise gain -8 highpass 4000 fade q 0.0005 0.015 0.014
    mix "$1" 0.8 "$1_a" 0.3 "$1_b"
}
mapfile -t coin_f < <(rand 7 16 2600 3600)
coins=()
for i in $(seq 0 15); do
    coin "sp_c$i" "${coin_f[$i]}"
    at "sp_c$i" "$(awk -v i="$i" 'BEGIN{printf "%.3f", 0.42 + i * 0.075 + (i % 3) * 0.012}')" "sp_cd$i"
    coins+=(0.22 "sp_cd$i")
done
mix slot_payoff 0.5 sp_upb "${coins[@]}"
finish slot_payoff slot_payoff

# ---------------------------------------------------------------- crowds

# A crowd is built from many layers that each rise and fall on their own:
# bands of noise shaped like open vowels ("aah", "ay", "ee", "oh") give the
# roar, sawtooth "voices" held on a vowel and sliding up give the cheer,
# whistles and clapping sit on top. No words are spoken.

# vowel NAME               the two formants of a vowel, as equaliser boosts
declare -A VOWEL=([ah]="750 1200" [ay]="520 1850" [ee]="330 2300" [oh]="520 900")
formants() { local f1 f2; read -r f1 f2 <<<"${VOWEL[$1]}"; echo "equalizer $(mul "$f1" "$2") 1.2q +14 equalizer $(mul "$f2" "$2") 1.5q +11"; }

# roar NAME SECONDS VOWEL SCALE RATE DEPTH   a band of the crowd's roar
roar() {
    # shellcheck disable=SC2046
    gen "$1" synth "$2" pinknoise gain -22 $(formants "$3" "$4") highpass 200 lowpass 4500 \
        tremolo "$5" "$6" fade q 0.35 "$2" 0.9
}
# shout NAME SECONDS F0 VOWEL SCALE         one held, rising cheer on a vowel
shout() {
    local up; up=$(mul "$3" 1.22)
    # shellcheck disable=SC2046
    gen "$1" synth "$2" sawtooth "$3:$up" sawtooth "$(mul "$3" 1.004):$(mul "$up" 1.004)" remix - \
        gain -24 $(formants "$4" "$5") lowpass 3800 highpass 150 fade q 0.12 "$2" 0.6
}
# whistle NAME             a two-finger whistle: "fweet-fweeoo"
whistle() {
    gen "$1_a" synth 0.14 sine 2200:3000 fade q 0.03 0.14 0.04
    gen "$1_b" synth 0.4 sine 2500:3100 fade q 0.04 0.4 0
    gen "$1_c" synth 0.25 sine 3100:2300 fade q 0 0.25 0.15
    gen "$1_gap" trim 0 0.05
    join "$1" "$1_a" "$1_gap" "$1_b" "$1_c"
}
# claps NAME SEED PEOPLE START SECONDS RATE ... a group clapping, each person
# at their own pace with a little unevenness; later claps get quieter
hands=()
hand() { # NAME BODY-HZ BRIGHT-HZ SECONDS
    gen "$1_b" synth "$4" whitenoise gain -8 bandpass "$2" 1.1q fade l 0.0004 "$4" "$(mul "$4" 0.97)"
    gen "$1_h" synth 0.012 whitenoise gain -8 highpass "$3" fade l 0.0002 0.012 0.011
    mix "$1" 0.8 "$1_b" 0.25 "$1_h"
    hands+=("$1")
}
hand hand_0 950 2600 0.05
hand hand_1 1250 3200 0.045
hand hand_2 1600 3600 0.04
hand hand_3 1100 2900 0.055
hand hand_4 1400 4000 0.04
hand hand_5 1800 3400 0.035
claps() { # OUT SEED PEOPLE FROM UNTIL FADE-FROM
    local out=$1 seed=$2 people=$3 from=$4 until=$5 fadefrom=$6 p t rate jit list=() k=0
    mapfile -t rates < <(rand "$seed" "$people" 3.6 5.2)
    mapfile -t starts < <(rand $((seed + 1)) "$people" 0 0.18)
    mapfile -t jits < <(rand $((seed + 2)) 400 -0.015 0.015)
    for ((p = 0; p < people; p++)); do
        t=$(awk -v a="$from" -v s="${starts[$p]}" 'BEGIN {print a + s}')
        while awk -v t="$t" -v u="$until" 'BEGIN {exit !(t < u)}'; do
            local v
            v=$(awk -v t="$t" -v f="$fadefrom" -v u="$until" -v k="$k" 'BEGIN {
                v = 0.55 + 0.2 * ((k * 7) % 5) / 4; if (t > f) v *= (u - t) / (u - f); printf "%.3f", v }')
            at "${hands[$(((p + k) % ${#hands[@]}))]}" "$(awk -v t="$t" -v j="${jits[$((k % 400))]}" 'BEGIN {t += j; if (t < 0) t = 0; printf "%.3f", t}')" "${out}_$k"
            list+=("$v" "${out}_$k")
            t=$(awk -v t="$t" -v r="${rates[$p]}" 'BEGIN {printf "%.4f", t + 1 / r}')
            k=$((k + 1))
        done
    done
    mixmany "$out" "${list[@]}"
}

# crowd: a big crowd in a hall bursting into cheers and applause.
layers=()
i=0
for layer in "ah 1.00 5.3 45 3.3" "ay 1.00 7.1 40 2.7" "oh 0.95 3.9 50 3.0" "ee 1.05 8.3 35 2.4" \
             "ah 1.15 6.2 45 3.1" "ay 1.20 4.7 40 2.8"; do
    read -r v s r d len <<<"$layer"
    roar "cr_r$i" "$len" "$v" "$s" "$r" "$d"
    layers+=(0.5 "cr_r$i")
    i=$((i + 1))
done
mapfile -t cr_f0 < <(rand 41 12 150 380)
mapfile -t cr_on < <(rand 43 12 0.05 0.6)
mapfile -t cr_len < <(rand 47 12 1.1 2.2)
vowels=(ah ay ee oh ah ay)
for i in $(seq 0 11); do
    shout "cr_s$i" "${cr_len[$i]}" "${cr_f0[$i]}" "${vowels[$((i % 6))]}" "$(awk -v f="${cr_f0[$i]}" 'BEGIN {print (f > 250 ? 1.15 : 1.0)}')"
    at "cr_s$i" "${cr_on[$i]}" "cr_sd$i"
    layers+=(0.3 "cr_sd$i")
done
whistle cr_w
at cr_w 0.35 cr_wd
claps cr_c 51 10 0.2 3.1 2.2
mixmany crowd_dry "${layers[@]}" 0.05 cr_wd 0.5 cr_c
fx crowd_dry crowd_r pad 0 0.6 reverb 50 50 90
finish crowd_r crowd

# cheer2: a class of children cheering, whistling and clapping.
layers=()
i=0
for layer in "ee 1.2 8.5 45 2.5" "ay 1.25 6.5 40 2.1" "ah 1.3 9.5 50 2.3"; do
    read -r v s r d len <<<"$layer"
    roar "ch_r$i" "$len" "$v" "$s" "$r" "$d"
    layers+=(0.4 "ch_r$i")
    i=$((i + 1))
done
mapfile -t ch_f0 < <(rand 61 10 260 440)
mapfile -t ch_on < <(rand 63 10 0.0 0.35)
mapfile -t ch_len < <(rand 67 10 0.8 1.6)
vowels=(ee ay ah oh ee)
for i in $(seq 0 9); do
    shout "ch_s$i" "${ch_len[$i]}" "${ch_f0[$i]}" "${vowels[$((i % 5))]}" 1.25
    at "ch_s$i" "${ch_on[$i]}" "ch_sd$i"
    layers+=(0.35 "ch_sd$i")
done
whistle ch_w1
at ch_w1 0.15 ch_w1d
whistle ch_w2
at ch_w2 0.95 ch_w2d
claps ch_c 71 8 0.1 2.4 1.7
mixmany cheer2_dry "${layers[@]}" 0.05 ch_w1d 0.04 ch_w2d 0.6 ch_c
fx cheer2_dry cheer2_r pad 0 0.5 reverb 35 50 60
finish cheer2_r cheer2

# ---------------------------------------------------------------- clapping

# clap2: a burst of applause from a group: everyone claps at their own pace.
claps c2 11 12 0 1.9 1.2
fx c2 clap2_r pad 0 0.3 reverb 25 50 50
finish clap2_r clap2

# clap3: a class clapping in time, eight beats, each beat by several pupils.
list=()
n=0
mapfile -t jit < <(rand 31 64 0 0.025)
for beat in 0 1 2 3 4 5 6 7; do
    for p in 0 1 2 3 4 5 6 7; do
        at "${hands[$((p % 6))]}" "$(awk -v b="$beat" -v j="${jit[$n]}" 'BEGIN{printf "%.3f", b * 0.27 + j}')" "c3_$n"
        list+=("$(awk -v p="$p" 'BEGIN {printf "%.2f", 0.45 + 0.07 * (p % 4)}')" "c3_$n")
        n=$((n + 1))
    done
done
mixmany c3 "${list[@]}"
fx c3 clap3_r pad 0 0.3 reverb 20 50 40
finish clap3_r clap3

# ---------------------------------------------------------------- novelty

# sparkle NAME SEED COUNT SECONDS   tiny bells twinkling over SECONDS
sparkle() {
    local out=$1 list=() k
    mapfile -t sf < <(rand "$2" "$3" 2400 4600)
    mapfile -t st < <(rand $(($2 + 1)) "$3" 0 "$4")
    for ((k = 0; k < $3; k++)); do
        gen "${out}_$k" synth 0.3 sine "${sf[$k]}" sine "$(mul "${sf[$k]}" 2.76)" remix 1v0.8,2v0.2 \
            fade l 0.001 0.3 0.29 pad "${st[$k]}"
        list+=(0.3 "${out}_$k")
    done
    mixmany "$out" "${list[@]}"
}
# whoosh NAME SECONDS CENTRE-HZ CENTS   a rush of air whose pitch sweeps by
#                                       CENTS, swelling and then falling away
whoosh() {
    gen "$1" synth "$2" pinknoise gain -14 bandpass "$3" 1.4q bend 0,"$4","$2" \
        fade q "$(mul "$2" 0.6)" "$2" "$(mul "$2" 0.4)" gain -n -6
}

# klaxon: a cheerful party horn: "toot-toot, toooot!", two paper horns a
# third apart, each toot scooping up to its note, the last one fluttering as
# the horn unrolls.
horn() { # NAME NOTE SECONDS FLUTTER-DEPTH
    local f; f=$(hz "$2")
    gen "$1" synth "$3" sawtooth "$(mul "$f" 0.944)" sawtooth "$(mul "$f" 0.948)" remix - \
        gain -12 bend 0,100,0.05 overdrive 8 bandpass 1400 0.7q equalizer 2700 1q +6 \
        tremolo 22 "$4" fade q 0.012 "$3" 0.06
}
horn kl_1 G4 0.16 5
horn kl_2 G4 0.16 5
horn kl_3 C5 0.75 35
horn kl_l1 E4 0.16 5
horn kl_l2 E4 0.16 5
horn kl_l3 G4 0.75 35
gen kl_gap trim 0 0.07
join kl_hi kl_1 kl_gap kl_2 kl_gap kl_3
join kl_lo kl_l1 kl_gap kl_l2 kl_gap kl_l3
sparkle kl_sp 83 8 0.5
at kl_sp 0.5 kl_spd
mix klaxon_dry 0.6 kl_hi 0.4 kl_lo 0.5 kl_spd
fx klaxon_dry klaxon_r pad 0 0.3 reverb 20 50 40
finish klaxon_r klaxon

# flute: a short, breathy tune with a gentle vibrato.
flute_note() {
    local f; f=$(hz "$2")
    gen "$1_t" synth "$3" sine "$f" sine "$(awk -v f="$f" 'BEGIN{print f*2}')" remix 1v0.9,2v0.12 fade q 0.05 "$3" 0.08 tremolo 5.5 18
    gen "$1_b" synth "$3" pinknoise gain -12 bandpass "$f" 2q fade q 0.02 "$3" 0.05
    mix "$1" 0.8 "$1_t" 0.3 "$1_b"
}
i=0; parts=()
for nd in D5:0.22 E5:0.22 G5:0.22 A5:0.44 G5:0.22 E5:0.22 D5:0.7; do
    flute_note "fl_$i" "${nd%%:*}" "${nd##*:}"; parts+=("fl_$i"); i=$((i + 1))
done
join flute_dry "${parts[@]}"
fx flute_dry flute_r gain -4 pad 0 0.6 reverb 40 50 70
finish flute_r flute

# drumroll: a snare roll that swells, then a crash with the bass drum.
snare() {
    gen "$1_n" synth 0.05 whitenoise gain -8 bandpass 3500 0.8q fade q 0.0008 0.05 0.045
    gen "$1_b" synth 0.05 sine 210 fade q 0.001 0.05 0.045
    mix "$1" 0.7 "$1_n" 0.4 "$1_b"
}
snare sn
rolls=()
for i in $(seq 0 47); do
    at sn "$(awk -v i="$i" 'BEGIN{printf "%.3f", i * 0.034}')" "dr_$i"
    rolls+=("$(awk -v i="$i" 'BEGIN{printf "%.3f", 0.15 + 0.55 * i / 47}')" "dr_$i")
done
for g in 0 1 2 3; do mix "dr_g$g" "${rolls[@]:$((g * 24)):24}"; done
mix dr_roll 0.5 dr_g0 0.5 dr_g1 0.5 dr_g2 0.5 dr_g3
gen dr_crash synth 1.3 whitenoise gain -8 highpass 3500 fade l 0.002 1.3 1.28
gen dr_kick synth 0.4 sine 90:45 fade q 0.002 0.4 0.38
mix dr_end 0.5 dr_crash 0.9 dr_kick
at dr_end 1.64 dr_endd
mix drumroll_dry 0.8 dr_roll 0.6 dr_endd
fx drumroll_dry drumroll_r pad 0 0.4 reverb 25 50 50
finish drumroll_r drumroll

# gong: a bright gong struck in celebration: its partials bloom, shimmer and
# lift a little in pitch as it rings, and a chord of small bells rings with it.
gong_partials=()
for p in "215 1.00" "322 0.85" "451 0.75" "588 0.60" "743 0.50" "918 0.40" "1187 0.32" "1503 0.25"; do
    read -r f a <<<"$p"
    gong_partials+=(sine "$f:$(mul "$f" 1.07)")
done
gen gong_body synth 2.8 "${gong_partials[@]}" \
    remix 1v0.5,2v0.45,3v0.4,4v0.33,5v0.28,6v0.22,7v0.18,8v0.14 fade l 0.003 2.8 2.75
gen gong_bloom synth 1.6 sine 1320 sine 1710 sine 2240 sine 2890 remix - \
    tremolo 6.5 30 fade q 0.25 1.6 1.1
gen gong_hit synth 0.09 pinknoise gain -8 bandpass 1100 0.7q fade l 0.001 0.09 0.088
bells=()
for n in C6 E6 G6 C7; do
    f=$(hz "$n")
    gen "gong_b$n" synth 1.8 sine "$f" sine "$(mul "$f" 2.76)" remix 1v0.8,2v0.2 fade l 0.002 1.8 1.78
    bells+=(0.12 "gong_b$n")
done
mixmany gong_dry 0.8 gong_body 0.22 gong_bloom 0.4 gong_hit "${bells[@]}"
fx gong_dry gong_r pad 0 0.5 reverb 45 50 80
finish gong_r gong

# laser2: two playful swishes, like a magic wand, and a twinkle.
whoosh la_1 0.32 900 1400
whoosh la_2 0.32 1300 1400
at la_2 0.3 la_2d
sparkle la_sp 91 7 0.35
at la_sp 0.5 la_spd
mix laser2_dry 0.9 la_1 0.9 la_2d 0.35 la_spd
fx laser2_dry laser2_r pad 0 0.3 reverb 25 50 50
finish laser2_r laser2

# whizz: a firework: it whooshes up with a soft whistle, pops and
# crackles into sparkles.
whoosh wh_air 1.0 700 1900
gen wh_tone synth 1.0 sine 900:2100 fade q 0.6 1.0 0.25
gen wh_pop synth 0.08 pinknoise gain -8 bandpass 900 0.8q fade l 0.001 0.08 0.078
sparkle wh_sp 97 14 0.9
at wh_pop 0.95 wh_popd
at wh_sp 1.0 wh_spd
mix whizz_dry 0.9 wh_air 0.08 wh_tone 0.5 wh_popd 0.4 wh_spd
fx whizz_dry whizz_r pad 0 0.3 reverb 30 50 60
finish whizz_r whizz

# clown: a happy clown: three honks of a bulb horn going up, then a slide
# whistle that swoops up and ends with a chirp.
honk() { # NAME NOTE SECONDS
    local f; f=$(hz "$2")
    gen "$1" synth "$3" square "$f" sawtooth "$(mul "$f" 1.006)" remix - gain -12 \
        bandpass 1100 0.9q overdrive 6 equalizer 2300 1q +5 fade q 0.01 "$3" 0.05
}
honk cl_1 C5 0.14
honk cl_2 E5 0.14
honk cl_3 G5 0.3
gen cl_gap trim 0 0.06
gen cl_slide synth 0.4 sine 700:1900 tremolo 7 25 fade q 0.04 0.4 0.03
gen cl_chirp synth 0.12 sine 2100:2600 fade q 0.01 0.12 0.06
join clown_dry cl_1 cl_gap cl_2 cl_gap cl_3 cl_gap cl_slide cl_chirp
fx clown_dry clown_r pad 0 0.3 reverb 15 50 30
finish clown_r clown

# ---------------------------------------------------------------- hallelujah

# halleluj: a four-part choir sings "Hal-le-lu-jah" on the plagal "amen"
# cadence (C major to G major), over a soft organ. Each part is spoken by
# espeak-ng on one flat pitch (range x-low), then tuned to its notes with
# SoX's pitch effect and drawn out with tempo.
#
# Measured base pitches: en+m3 speaks at 82 Hz with -p 40 and en+f4 at
# 142 Hz with -p 40; each rises by 0.193 (m3) or 0.208 (f4) semitones per
# step of -p. sing() picks the -p nearest the note and tunes the rest. A
# trailing comma keeps espeak-ng from letting the pitch fall at the end.
sing() { # NAME VOICE NOTE SECONDS TEXT
    local f; f=$(hz "$3")
    local calc
    calc=$(awk -v f="$f" -v v="$2" 'BEGIN {
        base = (v == "en+f4") ? 142 : 82; per = (v == "en+f4") ? 0.208 : 0.193
        semis = 12 * log(f / base) / log(2); p = int(40 + semis / per + 0.5)
        if (p < 0) p = 0; if (p > 99) p = 99
        cents = 100 * (semis - (p - 40) * per)
        printf "%d %.0f", p, cents }')
    local p=${calc% *} cents=${calc#* }
    echo "<speak><prosody range=\"x-low\" rate=\"x-slow\">$5,</prosody></speak>" >"$W/$1.ssml"
    espeak-ng -m -v "$2" -p "$p" -w "$W/$1_raw.wav" -f "$W/$1.ssml"
    sox -R "$W/$1_raw.wav" "${F[@]}" "$W/$1_trim.wav" silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    local len; len=$(soxi -D "$W/$1_trim.wav")
    fx "$1_trim" "$1" pitch "$cents" \
        tempo -s "$(awk -v l="$len" -v s="$4" 'BEGIN{t = l / s; if (t < 0.1) t = 0.1; printf "%.3f", t}')"
}
part() { # NAME VOICE NOTE1 NOTE2
    sing "$1_a" "$2" "$3" 0.95 hallelu
    sing "$1_b" "$2" "$4" 1.3 yah
    fx "$1_b" "$1_bf" fade q 0.02 0 0.45
    join "$1" "$1_a" "$1_bf"
}
part ha_s en+f4 C4 B3
part ha_a en+f4 G3 G3
part ha_t en+m3 E3 D3
part ha_b en+m3 C3 G2
organ() { # NAME SECONDS NOTES...
    local out=$1 d=$2; shift 2; local s=()
    for n in "$@"; do s+=(sine "$(hz "$n")" sine "$(awk -v f="$(hz "$n")" 'BEGIN{print 2*f}')"); done
    gen "$out" synth "$d" "${s[@]}" remix - gain -12 fade q 0.08 "$d" 0.4
}
organ ha_o1 1.0 C3 G3 C4 E4
organ ha_o2 1.6 G2 D3 G3 B3
join ha_org ha_o1 ha_o2
mix halleluj_dry 0.3 ha_s 0.3 ha_a 0.3 ha_t 0.35 ha_b 0.35 ha_org
fx halleluj_dry halleluj_r gain -3 pad 0 0.9 chorus 0.7 0.9 55 0.4 0.25 2 -t reverb 60 50 90
finish halleluj_r halleluj

# Every delivered sound must be what the player expects: 22 050 Hz mono
# 16-bit PCM with its true peak under -1 dBFS, ending in silence; every
# reward sound within half a unit of TARGET_LUFS.
for f in "$OUT"/wav/*.wav; do
    info="$(soxi -r "$f") $(soxi -c "$f") $(soxi -b "$f") $(soxi -e "$f")"
    tail_peak=$(sox "$f" -n trim -0.2 stat 2>&1 | awk '/^Maximum amplitude/{print $3}')
    read -r i tp < <(loudness "$f")
    case $(basename "$f" .wav) in click | typekey | thud3) i=$TARGET_LUFS ;; esac
    if [[ $info != "22050 1 16 Signed Integer PCM" ]] ||
       awk -v i="$i" -v t="$TARGET_LUFS" -v p="$tp" -v e="$tail_peak" \
           'BEGIN {d = i - t; exit !(d > 0.5 || d < -0.5 || p >= -1 || e > 0.001)}'; then
        echo "bad sound $f: $info, $i LUFS, true peak $tp dBFS, end $tail_peak" >&2
        exit 1
    fi
done
# The drop sound carries on laptop and whiteboard speakers, which give almost
# nothing below 200 Hz: most of its energy lies between 200 Hz and 4 kHz.
rms() { sox "$OUT/wav/thud3.wav" -n "$@" stat 2>&1 | awk '/^RMS +amplitude/ {print $3}'; }
if ! awk -v b="$(rms sinc 200-4000)" -v a="$(rms)" 'BEGIN {exit !(b * b > 0.7 * a * a)}'; then
    echo "bad sound thud3: less than 70 % of its energy lies between 200 Hz and 4 kHz" >&2
    exit 1
fi
echo "sounds: $(find "$OUT/wav" -name '*.wav' | wc -l) files in $OUT/wav"
