#!/bin/bash
# Builds every sound of the program into OUT/wav from the recipes below,
# with SoX and espeak-ng only. Nothing is recorded or copied: each sound is
# synthesised, so the folder can be rebuilt anywhere these tools exist.
#
# Usage: make.sh [CONTENT_DIR]     default: the repository's content folder
#
# Every finished file is 22 050 Hz, mono, 16-bit PCM, peaks at -1 dBFS and
# ends in 0.25 s of silence, because Qt's sound player cuts the last moment
# of a sample. SoX always runs with -R (fixed random seed) so noise, dither
# and therefore every output byte are the same on every run. espeak-ng only
# uses voices without breath noise (en, en+m3, en+f4), which are repeatable.
set -euo pipefail

OUT=${1:-$(cd "$(dirname "$0")" && pwd)/../../content}
mkdir -p "$OUT/wav"
W=$(mktemp -d)
# KEEP_WORK=1 keeps the intermediate sounds for listening to one step.
if [[ -n ${KEEP_WORK:-} ]]; then echo "work files kept in $W" >&2; else trap 'rm -rf "$W"' EXIT; fi

# Intermediate files are 32-bit float so that mixing never clips before the
# final normalisation.
F=(-r 22050 -c 1 -b 32 -e floating-point)

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
# finish IN NAME                the delivered file: normalised, padded, 16-bit
finish() {
    sox -R "$W/$1.wav" -r 22050 -c 1 -b 16 -e signed-integer "$OUT/wav/$2.wav" \
        highpass 30 gain -n -1 pad 0.005 0.25
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
finish click click

# typekey: a typewriter key: metal clack over a wooden knock.
gen tk_clack synth 0.05 whitenoise gain -8 bandpass 3200 1.5q fade q 0.0005 0.05 0.047
gen tk_ping synth 0.06 sine 2750 sine 4120 remix - fade q 0 0.06 0.058
gen tk_knock synth 0.07 sine 190:120 fade q 0.001 0.07 0.066
mix typekey 0.6 tk_clack 0.25 tk_ping 0.6 tk_knock
finish typekey typekey

# thud3: a label landing in its box: a soft, low thump.
gen th_body synth 0.28 sine 120:42 fade q 0.003 0.28 0.26
gen th_noise synth 0.12 brownnoise gain -8 lowpass 500 fade q 0.001 0.12 0.11
mix thud3 0.8 th_body 0.4 th_noise
finish thud3 thud3

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

# ---------------------------------------------------------------- voices

# say NAME VOICE PITCH SPEED TEXT    espeak-ng speech as a work sound
say() {
    espeak-ng -v "$2" -p "$3" -s "$4" -w "$W/$1_raw.wav" "$5"
    sox -R "$W/$1_raw.wav" "${F[@]}" "$W/$1.wav"
}

# A crowd's roar: pink noise shaped like many voices, rising and falling.
gen roar synth 2.8 pinknoise gain -8 bandpass 800 1.2q tremolo 7 35 fade q 0.4 2.8 1.0

# crowd: a big crowd cheering "Hooray", "Yay" and "Yeah", some cries drawn
# out, over its roar.
shouts=()
i=0
for voice in "en+m3 70 Hooray 0.05 1" "en 55 Yay 0.12 0.5" "en+f4 80 Hooray 0.2 1" "en+m3 40 Yeah 0.3 0.45" \
            "en+f4 95 Yay 0.38 0.5" "en 75 Hooray 0.5 1" "en+f4 60 Woo 0.62 0.5" "en+m3 85 Yay 0.75 0.55" \
            "en+f4 70 Yeah 0.9 0.5" "en+m3 55 Hooray 1.05 1" "en 90 Yay 1.2 0.45" "en+f4 85 Hooray 1.3 0.8"; do
    read -r v p t d stretch <<<"$voice"
    say "cr_s$i" "$v" "$p" 170 "$t!"
    fx "cr_s$i" "cr_d$i" tempo -s "$stretch" pad "$d"
    shouts+=(0.16 "cr_d$i")
    i=$((i + 1))
done
mix crowd_dry 0.55 roar "${shouts[@]}"
fx crowd_dry crowd_r gain -4 pad 0 0.6 reverb 50 50 90 chorus 0.6 0.9 50 0.4 0.25 2 -t
finish crowd_r crowd

# cheer2: "Hip hip ... hooray!" from a leader and a class.
say ch_hip1 en+m3 55 190 "Hip hip!"
fx ch_hip1 ch_hip1d pad 0.05
hurrahs=()
i=0
for voice in "en+m3 45 0.00" "en 65 0.02" "en+f4 75 0.01" "en+f4 90 0.035" "en+m3 70 0.025" "en 50 0.045"; do
    read -r v p d <<<"$voice"
    say "ch_h$i" "$v" "$p" 150 "Hooray!"
    fx "ch_h$i" "ch_hd$i" pad "$(awk -v d="$d" 'BEGIN{print 0.75 + d}')"
    hurrahs+=(0.2 "ch_hd$i")
    i=$((i + 1))
done
gen ch_roar synth 1.9 pinknoise gain -8 bandpass 1000 1q tremolo 9 40 fade q 0.3 1.9 0.8
fx ch_roar ch_roard pad 0.75
mix cheer2_dry 0.45 ch_hip1d "${hurrahs[@]}" 0.25 ch_roard
fx cheer2_dry cheer2_r gain -4 pad 0 0.5 reverb 30 50 60
finish cheer2_r cheer2

# ---------------------------------------------------------------- clapping

# clap NAME CENTRE-HZ           one hand clap: a sharp burst of band noise
clap() {
    gen "$1" synth 0.06 whitenoise gain -8 bandpass "$2" 0.9q fade q 0.0008 0.06 0.055 gain -3
}
clap hand_a 1100
clap hand_b 1500
clap hand_c 1900
clap hand_d 1300
hands=(hand_a hand_b hand_c hand_d)

# clap2: a short burst of applause from a group.
mapfile -t clap_t < <(rand 11 60 0 1.6)
mapfile -t clap_v < <(rand 23 60 0.25 0.6)
claps=()
for i in $(seq 0 59); do
    h=${hands[$((i % 4))]}
    # Applause thins out at the end: scale the later claps down.
    v=$(awk -v v="${clap_v[$i]}" -v t="${clap_t[$i]}" 'BEGIN{s = t > 1.0 ? 1.6 - t : 0.6; if (s > 0.6) s = 0.6; printf "%.3f", v * (0.4 + s)}')
    at "$h" "${clap_t[$i]}" "c2_$i"
    claps+=("$v" "c2_$i")
done
# SoX opens every input at once; mix in groups of fifteen.
for g in 0 1 2 3; do mix "c2_g$g" "${claps[@]:$((g * 30)):30}"; done
mix clap2_dry 0.3 c2_g0 0.3 c2_g1 0.3 c2_g2 0.3 c2_g3
fx clap2_dry clap2_r pad 0 0.3 reverb 25 50 50
finish clap2_r clap2

# clap3: a class clapping in time, eight beats, each beat by several pupils.
claps=()
n=0
mapfile -t jit < <(rand 31 40 0 0.03)
for beat in 0 1 2 3 4 5 6 7; do
    for p in 0 1 2 3 5; do
        h=${hands[$((p % 4))]}
        at "$h" "$(awk -v b="$beat" -v j="${jit[$n]}" 'BEGIN{printf "%.3f", b * 0.26 + j}')" "c3_$n"
        claps+=(0.3 "c3_$n")
        n=$((n + 1))
    done
done
for g in 0 1 2 3; do mix "c3_g$g" "${claps[@]:$((g * 20)):20}"; done
mix clap3_dry 0.3 c3_g0 0.3 c3_g1 0.3 c3_g2 0.3 c3_g3
fx clap3_dry clap3_r pad 0 0.3 reverb 20 50 40
finish clap3_r clap3

# ---------------------------------------------------------------- novelty

# klaxon: "a-oo-gah" twice, from a wound-up horn.
gen kl_1 synth 0.55 sawtooth 170:390 sawtooth 171:392 remix - gain -8 bandpass 700 0.7q overdrive 12 fade q 0.02 0.55 0.08
fx kl_1 kl_2 pad 0.12
join klaxon_dry kl_1 kl_2
finish klaxon_dry klaxon

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

# gong: a struck bronze gong: inharmonic partials dying away, and the mallet.
gen gong_body synth 3.4 sine 96 sine 141.5 sine 197 sine 258 sine 331 sine 412 sine 517 sine 643 \
    remix 1v0.5,2v0.42,3v0.35,4v0.3,5v0.22,6v0.18,7v0.12,8v0.08 fade h 0.004 3.4 3.3 tremolo 1.3 25
gen gong_shimmer synth 1.2 sine 811 sine 1043 sine 1297 sine 1588 remix - fade l 0.004 1.2 1.2 tremolo 4.1 40
gen gong_hit synth 0.12 brownnoise gain -8 lowpass 900 fade q 0.001 0.12 0.11
mix gong_dry 0.8 gong_body 0.25 gong_shimmer 0.5 gong_hit
fx gong_dry gong_r gain -6 pad 0 0.5 reverb 50 60 90
finish gong_r gong

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

# laser2: two quick "pew" shots from a space blaster.
gen la_1 synth 0.2 square 2400:260 sine 2400:260 remix - gain -6 lowpass 5000 fade q 0.002 0.2 0.05
gen la_gap trim 0 0.06
join laser2_dry la_1 la_gap la_1
fx laser2_dry laser2_r echo 0.8 0.5 60 0.3
finish laser2_r laser2

# whizz: something whistling past and away: a rising then falling whistle
# wrapped in a rush of air.
gen wh_up synth 0.45 sine 500:2600 fade q 0.05 0.45 0
gen wh_down synth 0.5 sine 2600:900 fade q 0 0.5 0.3
join wh_tone wh_up wh_down
gen wh_air synth 0.95 pinknoise gain -8 highpass 1500 fade q 0.3 0.95 0.5
mix whizz_dry 0.6 wh_tone 0.25 wh_air
finish whizz_dry whizz

# clown: two squeezes of a clown's bulb horn, then a slide whistle.
gen cl_h synth 0.28 sawtooth 330 sawtooth 333 square 166 remix - gain -10 bandpass 900 1q overdrive 10 fade q 0.01 0.28 0.06
gen cl_gap trim 0 0.08
gen cl_sl1 synth 0.4 sine 700:1800 tremolo 6 30 fade q 0.03 0.4 0.02
gen cl_sl2 synth 0.6 sine 1800:500 tremolo 6 30 fade q 0 0.6 0.2
join clown_dry cl_h cl_gap cl_h cl_gap cl_gap cl_sl1 cl_sl2
finish clown_dry clown

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
# 16-bit PCM, not clipped, not silent, ending in silence.
for f in "$OUT"/wav/*.wav; do
    info="$(soxi -r "$f") $(soxi -c "$f") $(soxi -b "$f") $(soxi -e "$f")"
    stats=$(sox "$f" -n stat 2>&1 | awk '/^Maximum amplitude/{hi=$3} /^Minimum amplitude/{lo=-$3} /^RMS +amplitude/{r=$3}
        END {printf "%.3f %.3f", (hi > lo ? hi : lo), r}')
    tail_peak=$(sox "$f" -n trim -0.2 stat 2>&1 | awk '/^Maximum amplitude/{print $3}')
    read -r peak rms <<<"$stats"
    if [[ $info != "22050 1 16 Signed Integer PCM" ]] ||
       awk -v p="$peak" -v r="$rms" -v t="$tail_peak" 'BEGIN{exit !(p >= 0.99 || r < 0.02 || t > 0.001)}'; then
        echo "bad sound $f: $info peak $peak rms $rms end $tail_peak" >&2
        exit 1
    fi
done
echo "sounds: $(find "$OUT/wav" -name '*.wav' | wc -l) files in $OUT/wav"
